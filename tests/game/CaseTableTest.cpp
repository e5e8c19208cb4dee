#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "game/CArithmetic.h"
#include "game/CCaseEnumerator.h"
#include "game/CCaseTable.h"

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
    if (result.IsOk()) {
        EXPECT_EQ(result.m_nValue, row.value) << row.x << row.op << row.y;
    }
}

// Values of small operands are proved with every case below; here the kind
// of rejection, which picks the message, and the 32-bit edges.
INSTANTIATE_TEST_SUITE_P(
    Rows, ArithmeticRow,
    testing::Values(Row{'/', -8, 4, O::Ok, -2}, Row{'/', 5, 0, O::DivisionByZero, 0},
                    // A zero divisor is reported before anything else, even 0 / 0.
                    Row{'/', 0, 0, O::DivisionByZero, 0}, Row{'/', 7, 2, O::Fraction, 0},
                    Row{'/', -6, 4, O::Fraction, 0}, Row{'/', INT_MIN, -1, O::Overflow, 0},
                    Row{'*', INT_MAX, 2, O::Overflow, 0}, Row{'+', INT_MAX, 1, O::Overflow, 0},
                    Row{'+', INT_MAX - 1, 1, O::Ok, INT_MAX}, Row{'-', INT_MIN, 1, O::Overflow, 0},
                    Row{'-', INT_MIN, -1, O::Ok, INT_MIN + 1},
                    Row{'x', 1, 2, O::UnknownOperator, 0}));

// True when the search's sign rules drop the case for this first row R.
bool DroppedBySignRule(int nCase, int r, const COperatorSet& ops, bool positiveOnly) {
    if (nCase == 9 || nCase == 10) return r < 0 || ops.m_bAdd;
    if (nCase >= 3 && nCase <= 14) return r < 0 && (positiveOnly || ops.m_bAdd);
    for (int k : {34, 35, 38, 39, 42, 43})
        if (nCase == k) return r < 0 && positiveOnly;
    return false;
}

// Plays a case the way the window does: numbers into the slots as the table
// says, first row, then the second row with the first row's result. Gives
// the value the search must store, or none.
std::optional<int> PlayByTable(int nCase, const COperatorSet& ops, bool positiveOnly, int a, int b,
                               int c) {
    const CCaseEntry e = CCaseTable::Entry(nCase).value();
    const std::string allowed = ops.Text();
    if (allowed.find(e.m_cFirst) == std::string::npos) return std::nullopt;
    if (allowed.find(e.m_cSecond) == std::string::npos) return std::nullopt;
    int numbers[4] = {a, b, c, 0};
    const CArithmeticResult first =
        CArithmetic::Apply(e.m_cFirst, numbers[e.m_nSlot[0]], numbers[e.m_nSlot[1]]);
    if (!first.IsOk() || DroppedBySignRule(nCase, first.m_nValue, ops, positiveOnly)) {
        return std::nullopt;
    }
    numbers[3] = first.m_nValue;
    const CArithmeticResult second =
        CArithmetic::Apply(e.m_cSecond, numbers[e.m_nSlot[2]], numbers[e.m_nSlot[3]]);
    if (!second.IsOk()) return std::nullopt;
    return second.m_nValue;
}

TEST(CaseTable, PlaysEveryCaseToTheSearchValueForEveryOperatorSetAndSignMode) {
    int compared = 0;
    for (int mask = 0; mask < 32; ++mask) {
        const COperatorSet ops{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
        const bool positiveOnly = (mask & 16) != 0;
        // Every a, b, c in -5..10.
        for (int n = 0; n < 16 * 16 * 16; ++n) {
            const int a = n % 16 - 5, b = n / 16 % 16 - 5, c = n / 256 - 5;
            const CCaseResults results = CCaseEnumerator::Enumerate(ops, positiveOnly, a, b, c);
            for (int nCase = 1; nCase <= kCases; ++nCase) {
                const std::optional<int> expected = PlayByTable(nCase, ops, positiveOnly, a, b, c);
                ASSERT_EQ(results[nCase - 1], expected)
                    << "case " << nCase << " mask " << mask << " "
                    << CCaseTable::ExpressionText(nCase, a, b, c);
                compared += expected ? 1 : 0;
            }
        }
    }
    EXPECT_GT(compared, 2000000);
}

TEST(CaseTable, KnowsNoCaseOutsideOneToOneHundredFour) {
    for (int nCase : {0, -1, 105}) {
        EXPECT_FALSE(CCaseTable::Entry(nCase)) << nCase;
        EXPECT_EQ(CCaseTable::ShapeText(nCase), "") << nCase;
        EXPECT_EQ(CCaseTable::ExpressionText(nCase, 1, 2, 3), "") << nCase;
    }
}

}  // namespace
