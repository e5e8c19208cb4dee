#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardFixtures.h"

namespace {

struct Cell {
    int row, column;
    int neighbours;
};

class NeighbourCount : public testing::TestWithParam<Cell> {};

TEST_P(NeighbourCount, CountsOnlyCellsInsideTheGridAndTakingScoresThemPlusOne) {
    CBoard board = BoardOfValue(1);
    const int target = CBoard::Index(GetParam().row, GetParam().column);
    for (int i = 0; i < kCells; ++i) {
        if (i != target) board.TakePiece(i, kTakenByTwo);
    }
    EXPECT_EQ(board.CountTakenNeighbours(GetParam().row, GetParam().column), GetParam().neighbours);
    board.RefreshCounts();
    EXPECT_EQ(board.TakePiece(target, kTakenByOne), GetParam().neighbours + 1);
}

INSTANTIATE_TEST_SUITE_P(Cells, NeighbourCount,
                         testing::Values(Cell{0, 0, 3}, Cell{0, 6, 3}, Cell{4, 0, 3}, Cell{4, 6, 3},
                                         Cell{0, 3, 5}, Cell{2, 0, 5}, Cell{4, 3, 5}, Cell{2, 6, 5},
                                         Cell{2, 3, 8}, Cell{1, 1, 8}));

TEST(Board, ReportsTakenNeighboursRowAboveThenSidesThenRowBelow) {
    std::vector<std::string> lines = LinesOf({});
    lines[9] = "no comma here";  // up-left of cell 17 has no piece
    CBoard board;
    board.LoadLines(lines);
    for (int i = 0; i < kCells; ++i) {
        if (i != 17 && i != 24) board.TakePiece(i, kTakenByOne);
    }
    std::vector<int> order;
    EXPECT_EQ(board.CountTakenNeighbours(2, 3, [&](int index) { order.push_back(index); }), 6);
    EXPECT_EQ(order, (std::vector<int>{10, 11, 16, 18, 23, 25}));
}

TEST(Board, TakingNeedsAnUntakenPieceAndAPlayer) {
    std::vector<std::string> lines = LinesOf({});
    lines[4] = "";
    CBoard board;
    board.LoadLines(lines);
    for (int refused : {4, 35, -1}) EXPECT_EQ(board.TakePiece(refused, kTakenByOne), 0) << refused;
    EXPECT_EQ(board.TakePiece(5, kUntaken), 0);
    EXPECT_EQ(board.TakePiece(5, 3), 0);
    EXPECT_EQ(board.TakePiece(5, kTakenByTwo), 1);
    EXPECT_EQ(board.TakePiece(5, kTakenByOne), 0);  // already taken
    EXPECT_EQ(board.Piece(5).m_nTakenBy, kTakenByTwo);
}

TEST(Ranking, PacksFromTheBackAndRanksWithGapPasses) {
    // Taking cell 0 moves cell 34 into the front hole; cells 1, 7 and 8 then
    // count one neighbour each and the gap passes leave them as 8, 1, 7.
    CBoard board = BoardOfValue(1);
    TakeAndRefresh(board, {0});
    std::vector<int> expected = {8, 1, 7, 2, 4, 5, 6, 3, 34};
    for (int i = 9; i <= 33; ++i) expected.push_back(i);
    EXPECT_EQ(RankedIndexes(board), expected);
    EXPECT_EQ(board.m_ranked[34], kUnset);
}

TEST(BoardFile, ThatCannotBeOpenedLeavesThePreviousBoardWithItsTakenPieces) {
    CBoard board = BoardOfValue(4);
    TakeAndRefresh(board, {3});
    const CBoard before = board;
    EXPECT_FALSE(board.LoadFile(std::string(TALLYFOLD_DATA_DIR) + "/no-such-board"));
    EXPECT_FALSE(board.LoadFile(TALLYFOLD_DATA_DIR));  // a directory is no board file
    EXPECT_EQ(board.Piece(3).m_nTakenBy, kTakenByOne);
    EXPECT_EQ(board.m_ranked, before.m_ranked);
    EXPECT_EQ(board.UntakenCount(), 34);
}

TEST(BoardFile, ReplacesEveryPieceAndTheSearchTableAndReadsOnlyThirtyFiveLines) {
    CBoard board = BoardOfValue(9);
    board.TakePiece(0, kTakenByOne);
    board.FindBestPiece(2, 3, 4);
    ASSERT_NE(board.CaseResult(1), kNoResult);
    std::string text;
    for (int i = 0; i < 36; ++i) text += std::to_string(i + 100) + " ,0\r\n";
    board.LoadText(text);
    EXPECT_EQ(board.Piece(0).m_strCaption, "100");
    EXPECT_EQ(board.Piece(34).m_nValue, 134);
    EXPECT_EQ(RankedIndexes(board).size(), 35u);
    for (int k = 1; k <= kCases; ++k) EXPECT_EQ(board.CaseResult(k), kNoResult);
    board.LoadText("1 ,0\n2 ,0\n");  // a short file leaves the other cells empty
    EXPECT_FALSE(board.HasPiece(2));
    EXPECT_EQ(RankedIndexes(board), (std::vector<int>{0, 1}));
}

}  // namespace
