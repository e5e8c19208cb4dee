#include <gtest/gtest.h>

#include <array>

#include "game/CArithmetic.h"
#include "game/CCaseEnumerator.h"
#include "game/CCaseTable.h"

namespace {

bool Allowed(char op, const COperatorFlags& f) {
    return (op == '+' && f.m_bAdd) || (op == '-' && f.m_bSubtract) ||
           (op == '*' && f.m_bMultiply) || (op == '/' && f.m_bDivide);
}

// True when the search's sign rules drop the case for this first row R.
bool DroppedBySignRule(int nCase, int r, const COperatorFlags& f) {
    if (nCase == 9 || nCase == 10) return r < 0 || f.m_bAdd;
    if (nCase >= 3 && nCase <= 14) return r < 0 && (f.m_bPositiveOnly || f.m_bAdd);
    for (int k : {34, 35, 38, 39, 42, 43}) {
        if (nCase == k) return r < 0 && f.m_bPositiveOnly;
    }
    return false;
}

// Plays a case the way the window does: numbers into the slots as the table
// says, first row, then the second row with the first row's result. Returns
// whether the search must store the case, and the value it must store.
bool PlayByTable(int nCase, const COperatorFlags& f, int a, int b, int c, int& value) {
    const CCaseEntry& e = CCaseTable::Entry(nCase);
    if (!Allowed(e.m_cFirst, f) || !Allowed(e.m_cSecond, f)) return false;
    int numbers[4] = {a, b, c, 0};
    const CArithmeticResult first =
        CArithmetic::Apply(e.m_cFirst, numbers[e.m_nSlot[0]], numbers[e.m_nSlot[1]]);
    if (!first.IsOk() || DroppedBySignRule(nCase, first.m_nValue, f)) return false;
    numbers[3] = first.m_nValue;
    const CArithmeticResult second =
        CArithmetic::Apply(e.m_cSecond, numbers[e.m_nSlot[2]], numbers[e.m_nSlot[3]]);
    value = second.m_nValue;
    return second.IsOk();
}

TEST(CaseTable, PlaysEveryCaseToTheSearchValueForEveryOperatorSetAndSignMode) {
    int compared = 0;
    for (int mask = 0; mask < 32; ++mask) {
        const COperatorFlags f{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0,
                               (mask & 16) != 0};
        for (int a = -5; a <= 10; ++a) {
            for (int b = -5; b <= 10; ++b) {
                for (int c = -5; c <= 10; ++c) {
                    std::array<int, kCases> results;
                    results.fill(kNoResult);
                    std::array<bool, kCases> valid{};
                    CCaseEnumerator::Enumerate(f, a, b, c, results, valid);
                    for (int nCase = 1; nCase <= kCases; ++nCase) {
                        int value = 0;
                        const bool expected = PlayByTable(nCase, f, a, b, c, value);
                        ASSERT_EQ(valid[nCase - 1], expected)
                            << "case " << nCase << " mask " << mask << " "
                            << CCaseTable::ExpressionText(nCase, a, b, c);
                        if (!expected) continue;
                        ASSERT_EQ(results[nCase - 1], value)
                            << "case " << nCase << " "
                            << CCaseTable::ExpressionText(nCase, a, b, c);
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 2000000);
}

}  // namespace
