#include <gtest/gtest.h>

#include <climits>

#include "game/CArithmetic.h"
#include "game/CCaseEnumerator.h"
#include "game/CCaseTable.h"

namespace {

// Values of small operands are proved with every case below; here the kind
// of rejection, which picks the message, and the 32-bit edges.
TEST(Arithmetic, RejectsAZeroDivisorBeforeAFractionAndKeepsToThirtyTwoBits) {
    EXPECT_EQ(CArithmetic::Apply('/', 0, 0).m_outcome, EArithmeticOutcome::DivisionByZero);
    EXPECT_EQ(CArithmetic::Apply('/', -6, 4).m_outcome, EArithmeticOutcome::Fraction);
    EXPECT_EQ(CArithmetic::Apply('/', INT_MIN, -1).m_outcome, EArithmeticOutcome::Overflow);
    EXPECT_EQ(CArithmetic::Apply('+', INT_MAX - 1, 1).m_nValue, INT_MAX);
    EXPECT_EQ(CArithmetic::Apply('-', INT_MIN, -1).m_nValue, INT_MIN + 1);
    EXPECT_EQ(CArithmetic::Apply('x', 1, 2).m_outcome, EArithmeticOutcome::UnknownOperator);
}

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
    if (allowed.find(e.m_cFirst) == allowed.npos || allowed.find(e.m_cSecond) == allowed.npos)
        return std::nullopt;
    int n[4] = {a, b, c, 0};  // the fourth slot holds the first row's result
    const auto first = CArithmetic::Apply(e.m_cFirst, n[e.m_nSlot[0]], n[e.m_nSlot[1]]);
    if (!first.IsOk() || DroppedBySignRule(nCase, first.m_nValue, ops, positiveOnly))
        return std::nullopt;
    n[3] = first.m_nValue;
    const auto second = CArithmetic::Apply(e.m_cSecond, n[e.m_nSlot[2]], n[e.m_nSlot[3]]);
    return second.IsOk() ? std::optional(second.m_nValue) : std::nullopt;
}

TEST(CaseTable, PlaysEveryCaseToTheSearchValueForEveryOperatorSetAndSignMode) {
    for (int mask = 0; mask < 32; ++mask) {
        const COperatorSet ops{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0};
        const bool positiveOnly = (mask & 16) != 0;
        // Every a, b, c in -5..10.
        for (int n = 0; n < 16 * 16 * 16; ++n) {
            const int a = n % 16 - 5, b = n / 16 % 16 - 5, c = n / 256 - 5;
            const CCaseResults results = CCaseEnumerator::Enumerate(ops, positiveOnly, a, b, c);
            for (int nCase = 1; nCase <= kCases; ++nCase)
                ASSERT_EQ(results[nCase - 1], PlayByTable(nCase, ops, positiveOnly, a, b, c))
                    << "case " << nCase << " mask " << mask << " "
                    << CCaseTable::ExpressionText(nCase, a, b, c);
        }
    }
}

TEST(CaseTable, KnowsNoCaseOutsideOneToOneHundredFour) {
    for (int nCase : {0, -1, 105})
        EXPECT_EQ(CCaseTable::ShapeText(nCase) + CCaseTable::ExpressionText(nCase, 1, 2, 3), "")
            << nCase;
}

}  // namespace
