#include <gtest/gtest.h>

#include <array>
#include <set>

#include "game/CArithmetic.h"
#include "game/CCaseEnumerator.h"
#include "game/CCaseTable.h"

namespace {

// Plays a case the way the window does: numbers into the slots as the table
// says, first row, then the second row with the first row's result.
struct CPlayed {
    bool m_bOk = false;
    int m_nFirstRow = 0;
    int m_nValue = 0;
};

CPlayed PlayByTable(int nCase, int a, int b, int c) {
    const CCaseEntry& e = CCaseTable::Entry(nCase);
    int numbers[4] = {a, b, c, 0};
    CPlayed played;
    const CArithmeticResult first =
        CArithmetic::Apply(e.m_cFirst, numbers[e.m_nSlot[0]], numbers[e.m_nSlot[1]]);
    if (!first.IsOk()) return played;
    numbers[3] = first.m_nValue;
    const CArithmeticResult second =
        CArithmetic::Apply(e.m_cSecond, numbers[e.m_nSlot[2]], numbers[e.m_nSlot[3]]);
    played.m_bOk = second.IsOk();
    played.m_nFirstRow = first.m_nValue;
    played.m_nValue = second.m_nValue;
    return played;
}

COperatorFlags FlagsFor(const CCaseEntry& e) {
    COperatorFlags flags{false, false, false, false, false};
    for (char op : {e.m_cFirst, e.m_cSecond}) {
        if (op == '+') flags.m_bAdd = true;
        if (op == '-') flags.m_bSubtract = true;
        if (op == '*') flags.m_bMultiply = true;
        if (op == '/') flags.m_bDivide = true;
    }
    return flags;
}

// True when the search's sign rules drop the case for this first row.
bool DroppedBySignRule(int nCase, int firstRow, const COperatorFlags& f) {
    if (firstRow >= 0) return false;
    if (nCase == 9 || nCase == 10) return true;
    if (nCase >= 3 && nCase <= 14) return f.m_bPositiveOnly || f.m_bAdd;
    for (int k : {34, 35, 38, 39, 42, 43}) {
        if (nCase == k) return f.m_bPositiveOnly;
    }
    return false;
}

TEST(CaseTable, ReproducesEveryShapeOfTheSearchOnManyTriples) {
    int compared = 0;
    for (int nCase = 1; nCase <= kCases; ++nCase) {
        const COperatorFlags flags = FlagsFor(CCaseTable::Entry(nCase));
        for (int a = -11; a <= 11; ++a) {
            for (int b = -11; b <= 11; ++b) {
                for (int c = -11; c <= 11; ++c) {
                    std::array<int, kCases> results;
                    results.fill(kNoResult);
                    std::array<bool, kCases> valid{};
                    CCaseEnumerator::Enumerate(flags, a, b, c, results, valid);
                    const CPlayed played = PlayByTable(nCase, a, b, c);
                    const bool expected =
                        played.m_bOk && !DroppedBySignRule(nCase, played.m_nFirstRow, flags);
                    ASSERT_EQ(valid[nCase - 1], expected)
                        << "case " << nCase << " " << CCaseTable::ExpressionText(nCase, a, b, c);
                    if (expected) {
                        ASSERT_EQ(results[nCase - 1], played.m_nValue)
                            << "case " << nCase << " "
                            << CCaseTable::ExpressionText(nCase, a, b, c);
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 500000);
}

TEST(CaseTable, SignRulesDropExactlyTheNegativeFirstRowsTheyName) {
    // Every sign mode and operator set, on the numbers a game deals.
    for (int mask = 1; mask < 32; ++mask) {
        const COperatorFlags f{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0,
                               (mask & 16) != 0};
        for (int a = 0; a <= 10; ++a) {
            for (int b = 0; b <= 10; ++b) {
                for (int c = 0; c <= 10; ++c) {
                    std::array<int, kCases> results;
                    results.fill(kNoResult);
                    std::array<bool, kCases> valid{};
                    CCaseEnumerator::Enumerate(f, a, b, c, results, valid);
                    for (int nCase = 3; nCase <= 44; ++nCase) {
                        const CCaseEntry& e = CCaseTable::Entry(nCase);
                        const COperatorFlags need = FlagsFor(e);
                        const bool computed = (!need.m_bAdd || f.m_bAdd) &&
                                              (!need.m_bSubtract || f.m_bSubtract) &&
                                              (!need.m_bMultiply || f.m_bMultiply) &&
                                              (!need.m_bDivide || f.m_bDivide);
                        const CPlayed played = PlayByTable(nCase, a, b, c);
                        bool expected = computed && played.m_bOk &&
                                        !DroppedBySignRule(nCase, played.m_nFirstRow, f);
                        if ((nCase == 9 || nCase == 10) && f.m_bAdd) expected = false;
                        ASSERT_EQ(valid[nCase - 1], expected)
                            << "case " << nCase << " mask " << mask << " "
                            << CCaseTable::ExpressionText(nCase, a, b, c);
                    }
                }
            }
        }
    }
}

TEST(CaseTable, UsesEachDealtNumberOnceAndTheFirstRowResultOnlyInTheSecondRow) {
    for (int nCase = 1; nCase <= kCases; ++nCase) {
        const CCaseEntry& e = CCaseTable::Entry(nCase);
        EXPECT_EQ(std::set<int>(e.m_nSlot, e.m_nSlot + 4), (std::set<int>{0, 1, 2, 3})) << nCase;
        EXPECT_NE(e.m_nSlot[0], 3) << nCase;
        EXPECT_NE(e.m_nSlot[1], 3) << nCase;
    }
}

TEST(CaseTable, WritesShapesAsPlayersReadThem) {
    EXPECT_EQ(CCaseTable::ShapeText(1), "c + (a + b)");
    EXPECT_EQ(CCaseTable::ShapeText(4), "c - (a - b)");
    EXPECT_EQ(CCaseTable::ShapeText(45), "(a + b) / c");
    EXPECT_EQ(CCaseTable::ShapeText(104), "a / (b - c)");
    EXPECT_EQ(CCaseTable::ExpressionText(104, 6, 5, 2), "6 / (5 - 2)");
    EXPECT_EQ(CCaseTable::ShapeText(0), "");
    EXPECT_EQ(CCaseTable::ShapeText(105), "");
}

TEST(CaseTable, PlacesCaseOneHundredAndFourAsTheHintShowsIt) {
    const CCaseEntry& e = CCaseTable::Entry(104);
    EXPECT_EQ(e.m_cFirst, '-');
    EXPECT_EQ(e.m_cSecond, '/');
    const int numbers[4] = {6, 5, 2, 3};
    EXPECT_EQ(numbers[e.m_nSlot[0]], 5);
    EXPECT_EQ(numbers[e.m_nSlot[1]], 2);
    EXPECT_EQ(numbers[e.m_nSlot[2]], 6);
    EXPECT_EQ(numbers[e.m_nSlot[3]], 3);
    EXPECT_EQ(CCaseTable::Entry(45).m_cFirst, '+');
    EXPECT_EQ(CCaseTable::Entry(45).m_cSecond, '/');
}

}  // namespace
