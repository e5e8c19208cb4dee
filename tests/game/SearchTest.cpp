#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "BoardFixtures.h"

namespace {

struct Entry {
    const char* ops;
    bool positiveOnly;
    int a, b, c;
    int nCase;
    std::optional<int> result;  // none: the case stores nothing
};

class SearchTable : public testing::TestWithParam<Entry> {};

TEST_P(SearchTable, HoldsWhatTheBoardsOperatorsAndSignRuleGive) {
    const Entry& e = GetParam();
    CBoard board = BoardOfValue(50);
    board.SetOperators(OperatorsOf(e.ops));
    board.SetPositiveOnly(e.positiveOnly);
    board.FindBestPiece(e.a, e.b, e.c);
    EXPECT_EQ(board.CaseResult(e.nCase), e.result)
        << "case " << e.nCase << " with " << e.a << ", " << e.b << ", " << e.c;
}

constexpr std::nullopt_t kNone = std::nullopt;
constexpr int kBig = 2000000000;
// Every case's value under every operator set and sign rule is proved in
// CaseTableTest; here the board's settings reach the search, and what lies
// outside that proof: huge numbers, a result of -1000, no case 0 or 105.
INSTANTIATE_TEST_SUITE_P(
    Entries, SearchTable,
    testing::Values(Entry{"A", true, 2, 3, 4, 1, 9}, Entry{"A", true, 2, 3, 4, 2, kNone},
                    Entry{"A", true, 2, 3, 4, 0, kNone}, Entry{"A", true, 2, 3, 4, 105, kNone},
                    // (2 - 5) - 1: a negative first row only outside positive games.
                    Entry{"S", true, 2, 5, 1, 3, kNone}, Entry{"S", false, 2, 5, 1, 3, -4},
                    Entry{"SM", false, 0, 10, 100, 66, -1000},
                    Entry{"ASMD", false, kBig, kBig, 2, 1, kNone},
                    Entry{"ASMD", false, kBig, kBig, 2, 24, 2}));

TEST(Search, TakesTheFirstRankedReachablePieceThenItsLowestCase) {
    // After cell 0 is taken, cells 1, 7 and 8 have one neighbour each and
    // rank as 8, 1, 7. With 2, 3, 4 the value 10 comes from cases 29,
    // 4 + (2 * 3), and 62, (3 * 4) - 2; 9 only from case 1.
    std::array<int, kCells> values;
    values.fill(500);
    values[8] = 10;
    values[1] = values[7] = 9;
    CBoard board = BoardOf(values);
    TakeAndRefresh(board, {0});
    CBestPiece best = board.FindBestPiece(2, 3, 4);
    EXPECT_EQ(best.m_nBoardIndex, 8);
    EXPECT_EQ(best.m_nRankedIndex, 0);
    EXPECT_EQ(best.m_nCase, 29);
    // Taken since the last count: passed over; of two equal pieces the one ranked first.
    board.TakePiece(8, kTakenByTwo);
    best = board.FindBestPiece(2, 3, 4);
    EXPECT_EQ(best.m_nBoardIndex, 1);
    EXPECT_EQ(best.m_nRankedIndex, 1);
    EXPECT_EQ(best.m_nCase, 1);
    for (int i = 0; i < kCells; ++i) board.TakePiece(i, kTakenByTwo);
    board.RefreshCounts();
    best = board.FindBestPiece(2, 3, 4);
    EXPECT_FALSE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, kUnset);
    EXPECT_EQ(board.CaseResult(1), 9);  // the table is filled all the same
}

TEST(Search, MatchesAPieceOfMinusOneThousandOnlyWithACaseThatGivesIt) {
    CBoard board = BoardOfValue(-1000);
    board.SetOperators(OperatorsOf("SM"));
    EXPECT_FALSE(board.FindBestPiece(1, 2, 3).m_bFound);
    const CBestPiece best = board.FindBestPiece(0, 10, 100);
    EXPECT_TRUE(best.m_bFound);
    EXPECT_EQ(best.m_nCase, 60);  // 10 * (0 - 100)
}

}  // namespace
