#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "BoardFixtures.h"

namespace {

void Allow(CBoard& board, bool add, bool subtract, bool multiply, bool divide, bool positiveOnly) {
    board.m_bAdd = add;
    board.m_bSubtract = subtract;
    board.m_bMultiply = multiply;
    board.m_bDivide = divide;
    board.m_bPositiveOnly = positiveOnly;
}

std::vector<int> CasesWithResult(const CBoard& board) {
    std::vector<int> cases;
    for (int k = 1; k <= kCases; ++k) {
        if (board.CaseResult(k) != kNoResult) cases.push_back(k);
    }
    return cases;
}

TEST(Search, WithOnlyAdditionComputesOnlyCaseOne) {
    CBoard board = BoardOfValue(50);
    Allow(board, true, false, false, false, true);
    board.FindBestPiece(2, 3, 4);
    EXPECT_EQ(CasesWithResult(board), (std::vector<int>{1}));
    EXPECT_EQ(board.CaseResult(1), 9);
    EXPECT_EQ(board.m_nCaseResults.size(), 104u);
}

TEST(Search, SubtractionAloneInAPositiveGameDropsOnlyNegativeFirstRows) {
    CBoard board = BoardOfValue(50);
    Allow(board, false, true, false, false, true);
    board.FindBestPiece(2, 5, 1);
    EXPECT_EQ(board.CaseResult(3), kNoResult);  // (2 - 5) - 1: R = -3
    EXPECT_EQ(board.CaseResult(9), 2);          // (5 - 2) - 1
    EXPECT_EQ(board.CaseResult(5), -2);         // 2 - (5 - 1): R = 4, result may be negative
    EXPECT_EQ(board.CaseResult(10), -2);        // 1 - (5 - 2)
}

TEST(Search, SubtractionAloneInANegativeGameKeepsNegativeFirstRowsExceptBMinusA) {
    CBoard board = BoardOfValue(50);
    Allow(board, false, true, false, false, false);
    board.FindBestPiece(2, 5, 1);
    EXPECT_EQ(board.CaseResult(3), -4);
    EXPECT_EQ(board.CaseResult(4), 4);
    board.FindBestPiece(5, 2, 1);  // b - a = -3
    EXPECT_EQ(board.CaseResult(9), kNoResult);
    EXPECT_EQ(board.CaseResult(10), kNoResult);
    EXPECT_EQ(board.CaseResult(3), 2);
}

TEST(Search, AdditionSwitchesOffBMinusAAndNegativeSubtractionFirstRows) {
    CBoard board = BoardOfValue(50);
    Allow(board, true, true, false, false, false);
    board.FindBestPiece(2, 5, 1);
    EXPECT_EQ(board.CaseResult(9), kNoResult);
    EXPECT_EQ(board.CaseResult(10), kNoResult);
    EXPECT_EQ(board.CaseResult(3), kNoResult);  // R = -3 with addition allowed
    EXPECT_EQ(board.CaseResult(5), -2);
    EXPECT_EQ(board.CaseResult(36), -4);  // 2 - (5 + 1): only R is checked
    EXPECT_EQ(board.CaseResult(35), -2);  // 2 + (1 - 5): negative R allowed in this mode
}

TEST(Search, PositiveOnlyDropsNegativeSubtractionInMixedAdditionCases) {
    CBoard board = BoardOfValue(50);
    Allow(board, true, true, false, false, true);
    board.FindBestPiece(2, 5, 1);
    for (int k : {35, 38, 42}) EXPECT_EQ(board.CaseResult(k), kNoResult) << k;
    EXPECT_EQ(board.CaseResult(34), 6);  // 2 + (5 - 1)
    EXPECT_EQ(board.CaseResult(39), 6);  // 5 + (2 - 1)
    EXPECT_EQ(board.CaseResult(43), 4);  // 1 + (5 - 2)
    EXPECT_EQ(board.CaseResult(36), -4);
    EXPECT_EQ(board.CaseResult(57), kNoResult);  // multiplication not allowed
}

TEST(Search, NegativeFirstRowsOfOtherFamiliesAreKeptInPositiveGames) {
    CBoard board = BoardOfValue(50);
    Allow(board, false, true, true, false, true);
    board.FindBestPiece(2, 5, 1);
    EXPECT_EQ(board.CaseResult(57), -8);  // 2 * (1 - 5)
}

struct DivisionCase {
    int a, b, c;
    int nCase;
    int result;
};

class DivisionGuard : public testing::TestWithParam<DivisionCase> {};

TEST_P(DivisionGuard, StoresOnlyExactDivisionsByNonZero) {
    CBoard board = BoardOfValue(50);
    Allow(board, true, true, true, true, false);
    const DivisionCase& d = GetParam();
    board.FindBestPiece(d.a, d.b, d.c);
    EXPECT_EQ(board.CaseResult(d.nCase), d.result)
        << "case " << d.nCase << " with " << d.a << ", " << d.b << ", " << d.c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DivisionGuard,
    testing::Values(DivisionCase{6, 4, 3, 69, 8}, DivisionCase{6, 4, 3, 70, kNoResult},
                    DivisionCase{6, 4, 3, 78, kNoResult}, DivisionCase{0, 4, 2, 15, 0},
                    DivisionCase{0, 4, 2, 19, kNoResult}, DivisionCase{0, 4, 2, 51, kNoResult},
                    DivisionCase{0, 4, 2, 75, kNoResult}, DivisionCase{0, 4, 2, 93, kNoResult},
                    DivisionCase{6, 5, 2, 104, 2}, DivisionCase{6, 3, 3, 104, kNoResult},
                    DivisionCase{4, 4, 7, 99, kNoResult}, DivisionCase{4, 4, 7, 100, kNoResult},
                    // The first row's division is checked before the second row.
                    DivisionCase{7, 2, 0, 16, kNoResult}, DivisionCase{3, 6, 2, 16, 1},
                    DivisionCase{8, 0, 4, 45, 2}, DivisionCase{8, 0, 0, 45, kNoResult},
                    DivisionCase{1, 2, 4, 54, kNoResult}, DivisionCase{1, 2, 3, 54, 1},
                    DivisionCase{9, 2, 1, 54, kNoResult}, DivisionCase{-8, 2, 4, 85, kNoResult},
                    DivisionCase{-6, 2, 4, 85, -2}, DivisionCase{2, 9, 1, 15, kNoResult},
                    DivisionCase{10, 5, 2, 15, 1}));

TEST(Search, ZeroAsFirstNumberNeverDividesByIt) {
    CBoard board = BoardOfValue(50);
    board.FindBestPiece(0, 3, 5);
    for (int k : {19, 20, 22, 23, 26, 51, 52, 53, 75, 76, 77, 93, 94, 95, 96, 97, 98}) {
        EXPECT_EQ(board.CaseResult(k), kNoResult) << k;
    }
}

TEST(Search, FindsNothingOnABoardWithoutUntakenPieces) {
    CBoard board = BoardOfValue(9);
    for (int i = 0; i < kCells; ++i) board.TakePiece(i, kTakenByOne);
    board.RefreshCounts();
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    EXPECT_FALSE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, kUnset);
    EXPECT_EQ(board.CaseResult(1), 9);  // the table is filled all the same
}

TEST(Search, PrefersTheHigherRankedPieceOverALowerCaseNumber) {
    std::array<int, kCells> values;
    values.fill(500);
    values[0] = 9;  // reached by case 1: 4 + (2 + 3)
    values[34] = 5;
    CBoard board = BoardOf(values);
    TakeAll(board, {26, 27, 33});
    board.RefreshCounts();
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nBoardIndex, 34);
    EXPECT_EQ(best.m_nRankedIndex, 0);
    // 4 - (2 - 3) = 5 is case 4, but its first row is negative and addition is
    // allowed; the first case left is 37, (3 + 4) - 2.
    EXPECT_EQ(best.m_nCase, 37);
}

TEST(Search, GivesTheLowestCaseReachingTheValue) {
    CBoard board = BoardOfValue(24);
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, 2);  // 4 * (2 * 3)
    EXPECT_EQ(best.m_nBoardIndex, 0);
}

TEST(Search, BreaksTiesBetweenEqualPiecesByTheRanking) {
    // After cell 0 is taken, cells 1, 7 and 8 have one neighbour each and
    // rank as 8, 1, 7.
    std::array<int, kCells> values;
    values.fill(500);
    values[1] = values[7] = values[8] = 9;
    CBoard board = BoardOf(values);
    TakeAll(board, {0});
    board.RefreshCounts();
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nBoardIndex, 8);
    EXPECT_EQ(best.m_nCase, 1);
}

TEST(Search, NeverMatchesAPieceOfMinusOneThousandWithACaseThatGaveNothing) {
    CBoard board = BoardOfValue(-1000);
    Allow(board, true, false, false, false, true);
    EXPECT_FALSE(board.FindBestPiece(1, 2, 3).m_bFound);
}

TEST(Search, FindsValuesOutsideTheUsualRangeWithLargeNumbers) {
    CBoard board = BoardOfValue(3000);
    const CBestPiece best = board.FindBestPiece(1000, 1000, 1000);
    ASSERT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, 1);
    board.FindBestPiece(2000000000, 2000000000, 2);
    EXPECT_EQ(board.CaseResult(1), kNoResult);  // leaves 32 bits
    EXPECT_EQ(board.CaseResult(24), 2);         // 2 / (2e9 / 2e9)
}

// The plain scan: ranked pieces in order, each against cases 1..104.
CBestPiece ScanEveryCase(const CBoard& board) {
    CBestPiece best;
    for (int i = 0; i < kCells; ++i) {
        const int index = board.m_ranked[i];
        if (index == kUnset) continue;
        for (int k = 1; k <= kCases; ++k) {
            if (board.CaseResult(k) != kNoResult &&
                board.CaseResult(k) == board.Piece(index).m_nValue) {
                return {true, i, index, k};
            }
        }
    }
    return best;
}

TEST(Search, AgreesWithScanningEveryCaseForEveryPiece) {
    std::uint32_t state = 7;
    auto next = [&](int range) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(range));
    };
    int foundLarge = 0;
    for (int round = 0; round < 3000; ++round) {
        const bool large = next(4) == 0;
        const int a = large ? next(2001) - 1000 : next(11);
        const int b = large ? next(2001) - 1000 : next(11);
        const int c = large ? next(2001) - 1000 : next(11);
        std::array<int, kCells> values;
        // Mostly small values, some far outside what numbers 0..10 reach, and
        // with large numbers a few that their sums and products do reach.
        for (int& v : values) v = next(10) == 0 ? next(4000001) - 2000000 : next(161) - 60;
        if (large) {
            values[next(kCells)] = a + b + c;
            values[next(kCells)] = a * b - c;
        }
        CBoard board = BoardOf(values);
        for (int taken = next(30); taken > 0; --taken) board.TakePiece(next(kCells), 1 + next(2));
        board.RefreshCounts();
        const int mask = 1 + next(15);
        board.m_bAdd = mask & 1;
        board.m_bSubtract = mask & 2;
        board.m_bMultiply = mask & 4;
        board.m_bDivide = mask & 8;
        board.m_bPositiveOnly = next(2) == 0;
        const CBestPiece best = board.FindBestPiece(a, b, c);
        const CBestPiece expected = ScanEveryCase(board);
        ASSERT_EQ(best.m_bFound, expected.m_bFound) << round;
        ASSERT_EQ(best.m_nRankedIndex, expected.m_nRankedIndex) << round;
        ASSERT_EQ(best.m_nBoardIndex, expected.m_nBoardIndex) << round;
        ASSERT_EQ(best.m_nCase, expected.m_nCase) << round;
        if (large && best.m_bFound) ++foundLarge;
    }
    EXPECT_GT(foundLarge, 100);
}

}  // namespace
