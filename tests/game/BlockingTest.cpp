#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "BoardFixtures.h"
#include "support/CScriptedRandom.h"

namespace {

struct Draws {
    int count;
    std::vector<int> draws;  // row, column, row, column, ...
    std::vector<int> blocked;
};

class BlockingDraws : public testing::TestWithParam<Draws> {};

TEST_P(BlockingDraws, ScaleRowThenColumnAndRepeatOnlyOnABlockedCell) {
    std::vector<std::string> lines = LinesOf({});
    lines[10] = "";  // no piece in row 1, column 3
    CBoard board;
    board.LoadLines(lines);
    CScriptedRandom random(GetParam().draws);
    EXPECT_EQ(board.BlockRandomCells(GetParam().count, random), GetParam().blocked);
    EXPECT_EQ(random.Used(), GetParam().draws.size());
}

INSTANTIATE_TEST_SUITE_P(
    Draws, BlockingDraws,
    testing::Values(Draws{1, {0, 0}, {0}}, Draws{1, {32767, 32767}, {34}},
                    Draws{1, {6553, 4680}, {0}}, Draws{1, {6554, 4681}, {8}},
                    Draws{1, {32766, 32766}, {34}}, Draws{1, {26214, 28086}, {4 * 7 + 6}},
                    Draws{1, {26213, 28085}, {3 * 7 + 5}},
                    // Draws outside 0..32767 still land on the board.
                    Draws{1, {-5, 99999}, {6}}, Draws{2, {0, 0, 0, 0, 32767, 32767}, {0, 34}},
                    // A draw on the empty cell counts as one of the blocked cells.
                    Draws{2, {6554, 14043, 32767, 32767}, {34}}));

TEST(Blocking, AQuickGameLeavesTenPiecesAndItsFirstMoveCanBeWorthSeveralPoints) {
    CBoard board = BoardOfValue(1);
    CLcgRandom random(1);
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()).size(), 25u);
    for (int i : blocked) {
        EXPECT_EQ(board.Piece(i).m_nTakenBy, kTakenByOne) << i;
        EXPECT_TRUE(board.Piece(i).m_bBlocked) << i;
    }
    EXPECT_EQ(RankedIndexes(board).size(), 10u);
    EXPECT_FALSE(board.m_bAllTaken);
    EXPECT_GE(board.Piece(board.m_ranked[0]).m_nTakenNeighbours, 3);
}

TEST(Blocking, StopsWhenNoUntakenPieceIsLeftOnABoardWithTooFewPieces) {
    // The board of a previous game whose new board file was missing: only
    // three untaken pieces remain, yet 25 cells are asked for.
    CBoard board = BoardOfValue(1);
    for (int i = 0; i < kCells; ++i) {
        if (i != 5 && i != 17 && i != 30) board.TakePiece(i, kTakenByTwo);
    }
    board.RefreshCounts();
    CLcgRandom random(1);
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()), (std::set<int>{5, 17, 30}));
    EXPECT_TRUE(board.m_bAllTaken);
    CScriptedRandom none({});
    EXPECT_TRUE(board.BlockRandomCells(25, none).empty());
}

}  // namespace
