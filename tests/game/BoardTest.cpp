#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BoardFixtures.h"

namespace {

struct Cell {
    int row;
    int column;
    int neighbours;
};

class NeighbourCount : public testing::TestWithParam<Cell> {};

TEST_P(NeighbourCount, CountsOnlyCellsInsideTheGrid) {
    CBoard board = BoardOfValue(1);
    const int target = CBoard::Index(GetParam().row, GetParam().column);
    for (int i = 0; i < kCells; ++i) {
        if (i != target) board.TakePiece(i, kTakenByTwo);
    }
    EXPECT_EQ(board.CountTakenNeighbours(GetParam().row, GetParam().column), GetParam().neighbours);
    board.RefreshCounts();
    // Taking it scores the neighbours plus one.
    EXPECT_EQ(board.TakePiece(target, kTakenByOne), GetParam().neighbours + 1);
}

INSTANTIATE_TEST_SUITE_P(Cells, NeighbourCount,
                         testing::Values(Cell{0, 0, 3}, Cell{0, 6, 3}, Cell{4, 0, 3}, Cell{4, 6, 3},
                                         Cell{0, 3, 5}, Cell{2, 0, 5}, Cell{4, 3, 5}, Cell{2, 6, 5},
                                         Cell{2, 3, 8}, Cell{1, 1, 8}));

TEST(Board, ReportsCountedNeighboursRowAboveThenSidesThenRowBelow) {
    CBoard board = BoardOfValue(1);
    for (int i = 0; i < kCells; ++i) {
        if (i != 17) board.TakePiece(i, kTakenByOne);
    }
    std::vector<int> order;
    const int count = board.CountTakenNeighbours(2, 3, [&](int index) { order.push_back(index); });
    EXPECT_EQ(count, 8);
    EXPECT_EQ(order, (std::vector<int>{9, 10, 11, 16, 18, 23, 24, 25}));
}

TEST(Board, ReportsOnlyNeighboursThatAreTakenAndIgnoresEmptyCells) {
    std::vector<std::string> lines = LinesOf({});
    lines[9] = "no comma here";  // up-left of cell 17 has no piece
    CBoard board;
    board.LoadLines(lines);
    TakeAll(board, {10, 24, 3});
    std::vector<int> order;
    EXPECT_EQ(board.CountTakenNeighbours(2, 3, [&](int index) { order.push_back(index); }), 2);
    EXPECT_EQ(order, (std::vector<int>{10, 24}));
}

TEST(Board, CornerPieceWithThreeTakenNeighboursIsWorthFour) {
    CBoard board = BoardOfValue(5);
    TakeAll(board, {1, 7, 8});
    board.RefreshCounts();
    EXPECT_EQ(board.Piece(0).m_nTakenNeighbours, 3);
    EXPECT_EQ(board.TakePiece(0, kTakenByTwo), 4);
    EXPECT_EQ(board.Piece(0).m_nTakenBy, kTakenByTwo);
}

TEST(Board, TakingNeedsAnUntakenPieceAndAPlayer) {
    std::vector<std::string> lines = LinesOf({});
    lines[4] = "";
    CBoard board;
    board.LoadLines(lines);
    EXPECT_EQ(board.TakePiece(4, kTakenByOne), 0);   // empty cell
    EXPECT_EQ(board.TakePiece(35, kTakenByOne), 0);  // outside the board
    EXPECT_EQ(board.TakePiece(-1, kTakenByOne), 0);
    EXPECT_EQ(board.TakePiece(5, 0), 0);  // no player
    EXPECT_EQ(board.TakePiece(5, 3), 0);
    EXPECT_EQ(board.TakePiece(5, kTakenByTwo), 1);
    EXPECT_EQ(board.TakePiece(5, kTakenByOne), 0);  // already taken
    EXPECT_EQ(board.Piece(5).m_nTakenBy, kTakenByTwo);
    EXPECT_FALSE(board.Piece(99).m_bExists);
}

TEST(Ranking, KeepsBoardOrderWhenNoCountDiffers) {
    CBoard board = BoardOfValue(1);
    std::vector<int> expected;
    for (int i = 0; i < kCells; ++i) expected.push_back(i);
    EXPECT_EQ(RankedIndexes(board), expected);
    EXPECT_FALSE(board.m_bAllTaken);
}

TEST(Ranking, PacksFromTheBackAndRanksWithGapPasses) {
    // Taking cell 0 moves cell 34 into the front hole; cells 1, 7 and 8 then
    // count one neighbour each and the gap passes leave them as 8, 1, 7.
    CBoard board = BoardOfValue(1);
    TakeAll(board, {0});
    board.RefreshCounts();
    std::vector<int> expected = {8, 1, 7, 2, 4, 5, 6, 3, 34};
    for (int i = 9; i <= 33; ++i) expected.push_back(i);
    EXPECT_EQ(RankedIndexes(board), expected);
    EXPECT_EQ(board.m_ranked[34], kUnset);
}

TEST(Ranking, PutsHigherCountsFirstWhateverTheirPlace) {
    CBoard board = BoardOfValue(1);
    TakeAll(board, {26, 27, 28, 33});  // only cell 34, last on the board, has three
    board.RefreshCounts();
    const std::vector<int> ranked = RankedIndexes(board);
    ASSERT_EQ(ranked.size(), 31u);
    for (std::size_t i = 1; i < ranked.size(); ++i) {
        EXPECT_GE(board.Piece(ranked[i - 1]).m_nTakenNeighbours,
                  board.Piece(ranked[i]).m_nTakenNeighbours);
    }
    EXPECT_EQ(ranked[0], 34);
    EXPECT_EQ(board.Piece(34).m_nTakenNeighbours, 3);
}

TEST(Ranking, IsEmptyAndAllTakenWhenNoPieceIsLeft) {
    CBoard board = BoardOfValue(1);
    for (int i = 0; i < kCells; ++i) board.TakePiece(i, kTakenByOne);
    board.RefreshCounts();
    EXPECT_TRUE(board.m_bAllTaken);
    EXPECT_TRUE(RankedIndexes(board).empty());
}

TEST(Ranking, ABoardWithoutPiecesIsAllTaken) {
    CBoard board;
    board.LoadLines({});
    EXPECT_TRUE(board.m_bAllTaken);
    EXPECT_EQ(board.UntakenCount(), 0);
}

class BoardFile : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("tallyfold_board_" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path m_dir;
};

TEST_F(BoardFile, ReadsOneLinePerCellAndIgnoresLinesAfterTheThirtyFifth) {
    std::string text;
    for (int i = 0; i < 36; ++i) text += std::to_string(i + 100) + " ,0\r\n";
    CBoard board;
    ASSERT_TRUE(board.LoadFile(Write("ASMD.A", text)));
    EXPECT_EQ(board.Piece(0).m_strCaption, "100");
    EXPECT_EQ(board.Piece(34).m_nValue, 134);
    EXPECT_EQ(board.UntakenCount(), 35);
}

TEST_F(BoardFile, LeavesCellsEmptyAfterAShortFile) {
    CBoard board;
    ASSERT_TRUE(board.LoadFile(Write("short", "1 ,0\n2 ,0\n")));
    EXPECT_TRUE(board.HasPiece(1));
    EXPECT_FALSE(board.HasPiece(2));
    EXPECT_EQ(RankedIndexes(board), (std::vector<int>{0, 1}));
}

TEST_F(BoardFile, ThatCannotBeOpenedLeavesThePreviousBoardWithItsTakenPieces) {
    CBoard board = BoardOfValue(4);
    board.TakePiece(3, kTakenByTwo);
    board.RefreshCounts();
    const CBoard before = board;
    EXPECT_FALSE(board.LoadFile((m_dir / "missing").string()));
    EXPECT_FALSE(board.LoadFile(m_dir.string()));  // a directory is no board file
    EXPECT_EQ(board.Piece(3).m_nTakenBy, kTakenByTwo);
    EXPECT_EQ(board.m_ranked, before.m_ranked);
    EXPECT_EQ(board.UntakenCount(), 34);
}

TEST_F(BoardFile, ReplacesEveryPieceAndClearsTheSearchTable) {
    CBoard board = BoardOfValue(9);
    board.TakePiece(0, kTakenByOne);
    board.FindBestPiece(2, 3, 4);
    ASSERT_NE(board.CaseResult(1), kNoResult);
    ASSERT_TRUE(board.LoadFile(Write("AS.P", "5 ,0\n")));
    EXPECT_EQ(board.Piece(0).m_nTakenBy, kUntaken);
    EXPECT_EQ(board.Piece(0).m_nValue, 5);
    for (int k = 1; k <= kCases; ++k) EXPECT_EQ(board.CaseResult(k), kNoResult);
    EXPECT_EQ(RankedIndexes(board), (std::vector<int>{0}));
}

TEST(Board, CopiesAreIndependent) {
    CBoard board = BoardOfValue(1);
    CBoard copy = board;
    copy.TakePiece(0, kTakenByOne);
    copy.RefreshCounts();
    EXPECT_EQ(board.Piece(0).m_nTakenBy, kUntaken);
    EXPECT_EQ(RankedIndexes(board).size(), 35u);
    EXPECT_EQ(RankedIndexes(copy).size(), 34u);
}

}  // namespace

namespace {

TEST(Board, StartsWithAllOperatorsBothSignsAndAnEmptySearchTable) {
    const CBoard board;
    EXPECT_TRUE(board.m_bAdd && board.m_bSubtract && board.m_bMultiply && board.m_bDivide);
    EXPECT_FALSE(board.m_bPositiveOnly);
    EXPECT_EQ(board.m_nCurrentPlayer, 0);
    EXPECT_EQ(board.m_nCaseResults.size(), 104u);
    for (int k = 1; k <= kCases; ++k) EXPECT_EQ(board.CaseResult(k), kNoResult);
    EXPECT_EQ(board.CaseResult(0), kNoResult);
    EXPECT_EQ(board.CaseResult(105), kNoResult);
    EXPECT_TRUE(board.m_bAllTaken);
}

}  // namespace
