#include <gtest/gtest.h>

#include <array>
#include <string>

#include "BoardFixtures.h"

namespace {

void Allow(CBoard& board, const std::string& ops, bool positiveOnly) {
    board.m_bAdd = ops.find('A') != std::string::npos;
    board.m_bSubtract = ops.find('S') != std::string::npos;
    board.m_bMultiply = ops.find('M') != std::string::npos;
    board.m_bDivide = ops.find('D') != std::string::npos;
    board.m_bPositiveOnly = positiveOnly;
}

struct Entry {
    const char* ops;
    bool positiveOnly;
    int a, b, c;
    int nCase;
    int result;  // kNoResult: the case stores nothing
};

class SearchTable : public testing::TestWithParam<Entry> {};

TEST_P(SearchTable, StoresTheCaseOnlyWhenItsSignRulesAndDivisionsAllowIt) {
    const Entry& e = GetParam();
    CBoard board = BoardOfValue(50);
    Allow(board, e.ops, e.positiveOnly);
    board.FindBestPiece(e.a, e.b, e.c);
    EXPECT_EQ(board.CaseResult(e.nCase), e.result)
        << "case " << e.nCase << " with " << e.a << ", " << e.b << ", " << e.c;
}

constexpr int kNone = kNoResult;
constexpr int kBig = 2000000000;
INSTANTIATE_TEST_SUITE_P(
    Entries, SearchTable,
    testing::Values(Entry{"A", true, 2, 3, 4, 1, 9},
                    // Subtraction alone drops a negative first row in a positive game, and
                    // b - a must never be negative; the result itself may be.
                    Entry{"S", true, 2, 5, 1, 3, kNone}, Entry{"S", true, 2, 5, 1, 9, 2},
                    Entry{"S", true, 2, 5, 1, 5, -2}, Entry{"S", false, 5, 2, 1, 9, kNone},
                    // With addition: no b - a cases; 4 - (2 - 3) has a negative first row.
                    Entry{"AS", false, 2, 5, 1, 9, kNone}, Entry{"AS", false, 2, 5, 1, 10, kNone},
                    Entry{"AS", false, 2, 3, 4, 4, kNone}, Entry{"AS", true, 2, 5, 1, 35, kNone},
                    Entry{"AS", true, 2, 5, 1, 36, -4}, Entry{"SM", true, 2, 5, 1, 57, -8},
                    // Every division needs a non-zero divisor and no remainder; the first
                    // row's division is checked before the second row.
                    Entry{"ASMD", false, 6, 4, 3, 69, 8}, Entry{"ASMD", false, 6, 4, 3, 70, kNone},
                    Entry{"ASMD", false, 6, 4, 3, 78, kNone}, Entry{"ASMD", false, 0, 4, 2, 15, 0},
                    Entry{"ASMD", false, 0, 4, 2, 19, kNone}, Entry{"ASMD", false, 6, 5, 2, 104, 2},
                    Entry{"ASMD", false, 7, 2, 0, 16, kNone},
                    // Values leaving 32 bits store nothing.
                    Entry{"ASMD", false, kBig, kBig, 2, 1, kNone},
                    Entry{"ASMD", false, kBig, kBig, 2, 24, 2}));

TEST(Search, FindsNothingOnABoardWithoutUntakenPiecesButFillsTheTable) {
    CBoard board = BoardOfValue(9);
    for (int i = 0; i < kCells; ++i) board.TakePiece(i, kTakenByTwo);
    board.RefreshCounts();
    EXPECT_TRUE(RankedIndexes(board).empty());
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    EXPECT_FALSE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, kUnset);
    EXPECT_EQ(board.CaseResult(1), 9);
}

TEST(Search, BreaksTiesBetweenEqualPiecesByTheRanking) {
    // After cell 0 is taken, cells 1, 7 and 8 have one neighbour each and
    // rank as 8, 1, 7.
    std::array<int, kCells> values;
    values.fill(500);
    values[1] = values[7] = values[8] = 9;
    CBoard board = BoardOf(values);
    TakeAndRefresh(board, {0});
    const CBestPiece best = board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nBoardIndex, 8);
    EXPECT_EQ(best.m_nCase, 1);
}

TEST(Search, NeverMatchesAPieceOfMinusOneThousandWithACaseThatGaveNothing) {
    CBoard board = BoardOfValue(kNoResult);
    Allow(board, "A", true);
    EXPECT_FALSE(board.FindBestPiece(1, 2, 3).m_bFound);
}

TEST(Search, GivesTheLowestCaseAlsoForValuesAroundAndFarBeyondWhatADealReaches) {
    for (int value : {-2000000, -1026, -1025, -1024, -1023, 1022, 1023, 1024, 1025, 2000000}) {
        CBoard board = BoardOfValue(value);
        // With c = 0, case 1 and later ones such as a + (b - c) give a + b.
        const CBestPiece best = board.FindBestPiece(value / 2, value - value / 2, 0);
        ASSERT_TRUE(best.m_bFound) << value;
        EXPECT_EQ(best.m_nCase, 1) << value;
    }
}

// The plain scan: ranked pieces in order, each against cases 1..104.
CBestPiece ScanEveryCase(const CBoard& board) {
    for (int i = 0; i < kCells; ++i) {
        const int index = board.m_ranked[i];
        for (int k = 1; index != kUnset && k <= kCases; ++k) {
            const int result = board.CaseResult(k);
            if (result != kNoResult && result == board.Piece(index).m_nValue) {
                return {true, i, index, k};
            }
        }
    }
    return {};
}

TEST(Search, AgreesWithScanningEveryCaseForEveryPiece) {
    CLcgRandom random(7);
    int foundLarge = 0;
    for (int round = 0; round < 3000; ++round) {
        const bool large = random.Below(4) == 0;
        auto number = [&] { return large ? random.Below(2001) - 1000 : random.Below(11); };
        const int a = number(), b = number(), c = number();
        // Mostly small values, some far outside what numbers 0..10 reach, and
        // with large numbers a few that their sums and products do reach.
        std::array<int, kCells> values;
        for (int& v : values) {
            v = random.Below(10) == 0 ? random.Below(4000001) - 2000000 : random.Below(161) - 60;
        }
        if (large) {
            values[random.Below(kCells)] = a + b + c;
            values[random.Below(kCells)] = a * b - c;
        }
        CBoard board = BoardOf(values);
        for (int taken = random.Below(30); taken > 0; --taken) {
            board.TakePiece(random.Below(kCells), 1 + random.Below(2));
        }
        board.RefreshCounts();
        std::string ops;
        for (char op : {'A', 'S', 'M', 'D'}) ops += random.Below(2) == 0 ? std::string(1, op) : "";
        Allow(board, ops, random.Below(2) == 0);
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
