#include <gtest/gtest.h>

#include <climits>

#include "game/CArithmetic.h"

namespace {

using O = EArithmeticOutcome;

struct Row {
    char op;
    int x, y;
    O outcome;
    int value;
};

class ArithmeticRow : public testing::TestWithParam<Row> {};

TEST_P(ArithmeticRow, GivesTheExpectedOutcomeAndValue) {
    const Row& row = GetParam();
    const CArithmeticResult result = CArithmetic::Apply(row.op, row.x, row.y);
    EXPECT_EQ(result.m_outcome, row.outcome) << row.x << row.op << row.y;
    if (row.outcome == O::Ok) {
        EXPECT_EQ(result.m_nValue, row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArithmeticRow,
    testing::Values(Row{'+', 3, 4, O::Ok, 7}, Row{'-', 3, 8, O::Ok, -5},
                    Row{'*', -3, 4, O::Ok, -12}, Row{'/', 0, 5, O::Ok, 0},
                    Row{'/', -8, 4, O::Ok, -2}, Row{'/', 8, -4, O::Ok, -2},
                    Row{'/', 5, 0, O::DivisionByZero, 0},
                    // A zero divisor is reported before anything else, even 0 / 0.
                    Row{'/', 0, 0, O::DivisionByZero, 0}, Row{'/', 7, 2, O::Fraction, 0},
                    Row{'/', -6, 4, O::Fraction, 0}, Row{'/', 6, -4, O::Fraction, 0},
                    Row{'/', INT_MIN, -1, O::Overflow, 0}, Row{'*', INT_MAX, 2, O::Overflow, 0},
                    Row{'+', INT_MAX, 1, O::Overflow, 0}, Row{'-', INT_MIN, 1, O::Overflow, 0},
                    Row{'-', INT_MIN, -1, O::Ok, INT_MIN + 1},
                    Row{'x', 1, 2, O::UnknownOperator, 0}));

TEST(ArithmeticMessages, NameTheRejectionTheWindowShows) {
    EXPECT_STREQ(CArithmetic::RejectionTitle(O::DivisionByZero), "Division by zero error.");
    EXPECT_STREQ(CArithmetic::RejectionText(O::DivisionByZero), "Unable to perform division.");
    EXPECT_STREQ(CArithmetic::RejectionTitle(O::Fraction), "Information");
    EXPECT_STREQ(CArithmetic::RejectionText(O::Fraction), "Result must NOT be a fraction.");
}

}  // namespace
