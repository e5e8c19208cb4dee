#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "BoardFixtures.h"
#include "game/CBoardLine.h"
#include "support/CScriptedRandom.h"

namespace {

struct Line {
    const char* text;
    const char* caption;  // nullptr: no piece
    int value, value2;
};

class BoardLine : public testing::TestWithParam<Line> {};

TEST_P(BoardLine, IsReadIntoCaptionValueAndSecondNumberLikeAtoiButSaturated) {
    const Line& line = GetParam();
    SCOPED_TRACE('"' + std::string(line.text) + '"');
    const CPiece piece = CBoardLine::Parse(line.text);
    ASSERT_EQ(piece.m_bExists, line.caption != nullptr);
    if (!piece.m_bExists) return;
    EXPECT_EQ(piece.m_strCaption, line.caption);
    EXPECT_EQ(piece.m_nValue, line.value);
    EXPECT_EQ(piece.m_nValue2, line.value2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BoardLine,
    testing::Values(
        // The character before the comma is a filler and is dropped.
        Line{"7 ,0", "7", 7, 0}, Line{"7,0", "", 0, 0}, Line{"-12 ,5", "-12", -12, 2},
        // The second number is the last pos characters of the trimmed line.
        Line{"12 , 34", "12", 12, 34}, Line{"12,34", "1", 1, 34}, Line{"12 ,345678", "12", 12, 678},
        Line{"12 ,3", "12", 12, 0}, Line{"  \t12 , 34 \r", "12", 12, 34},
        Line{"1x2 ,0", "1x2", 1, 2}, Line{"+5 ,0", "+5", 5, 0}, Line{"ab ,0", "ab", 0, 0},
        // Read like atoi: leading white space, one sign, digits.
        Line{"- 5 ,  \t-7", "- 5", 0, -7},
        // Only the first comma separates.
        Line{"3 ,4,5", "3", 3, 0}, Line{",9", "", 0, 0}, Line{"0 ,", "0", 0, 0},
        Line{"   ", nullptr, 0, 0}, Line{"17", nullptr, 0, 0},
        // Huge captions saturate at the 32-bit limits instead of overflowing.
        Line{"1234567890123456789012345678901234567890 ,0",
             "1234567890123456789012345678901234567890", INT_MAX, INT_MAX},
        Line{"-99999999999 ,0", "-99999999999", INT_MIN, INT_MAX}));

TEST(Board, ReportsTakenNeighboursRowAboveThenSidesThenRowBelow) {
    std::vector<std::string> lines = LinesOf({});
    lines[9] = "no comma here";  // up-left of cell 17 has no piece
    CBoard board;
    board.LoadLines(lines);
    for (int i = 0; i < kCells; ++i)
        if (i != 17 && i != 24) board.TakePiece(i, kTakenByOne);
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
    // A move writes the current player + 1, so there are only players 0 and 1.
    board.SetCurrentPlayer(1);
    board.SetCurrentPlayer(2);
    EXPECT_EQ(board.CurrentPlayer(), 1);
}

TEST(Ranking, PacksFromTheBackAndRanksWithGapPasses) {
    // Taking cell 0 moves cell 34 into the front hole; cells 1, 7 and 8 then
    // count one neighbour each and the gap passes leave them as 8, 1, 7.
    CBoard board = BoardOfValue(1);
    TakeAndRefresh(board, {0});
    std::vector<int> expected = {8, 1, 7, 2, 4, 5, 6, 3, 34};
    for (int i = 9; i <= 33; ++i) expected.push_back(i);
    EXPECT_EQ(RankedIndexes(board), expected);
    EXPECT_EQ(board.Ranked()[34], kUnset);
}

TEST(BoardFile, ThatCannotBeOpenedLeavesThePreviousBoardWithItsTakenPieces) {
    CBoard board = BoardOfValue(4);
    TakeAndRefresh(board, {3});
    EXPECT_FALSE(board.LoadFile(std::string(TALLYFOLD_DATA_DIR) + "/no-such-board"));
    EXPECT_FALSE(board.LoadFile(TALLYFOLD_DATA_DIR));  // a directory is no board file
    EXPECT_EQ(board.Piece(3).m_nTakenBy, kTakenByOne);
    EXPECT_EQ(RankedIndexes(board).size(), 34u);
}

TEST(BoardFile, ReplacesEveryPieceAndTheSearchTableAndReadsOnlyThirtyFiveLines) {
    CBoard board = BoardOfValue(9);
    board.TakePiece(0, kTakenByOne);
    board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(board.CaseResult(1));
    std::string text;
    for (int i = 0; i < 36; ++i) text += std::to_string(i + 100) + " ,0\r\n";
    board.LoadText(text);
    EXPECT_EQ(board.Piece(0).m_strCaption, "100");
    EXPECT_EQ(board.Piece(34).m_nValue, 134);
    EXPECT_EQ(RankedIndexes(board).size(), 35u);
    for (int k = 1; k <= kCases; ++k) EXPECT_FALSE(board.CaseResult(k)) << k;
    board.LoadText("1 ,0\n2 ,0\n");  // a short file leaves the other cells empty
    EXPECT_FALSE(board.HasPiece(2));
    EXPECT_EQ(RankedIndexes(board), (std::vector<int>{0, 1}));
}

struct Draws {
    int count;
    std::vector<int> draws;  // row, column, row, column, ...
    std::vector<int> blocked;
};

// Plenty of draws for blocking 25 cells, the same every run.
CScriptedRandom ManyDraws() {
    std::minstd_rand generator(1);
    std::vector<int> draws(1000);
    for (int& draw : draws) draw = static_cast<int>(generator() % 32768);
    return CScriptedRandom(draws);
}

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
                    Draws{1, {26214, 28086}, {4 * 7 + 6}}, Draws{1, {26213, 28085}, {3 * 7 + 5}},
                    // Draws outside 0..32767 still land on the board.
                    Draws{1, {-5, 99999}, {6}}, Draws{2, {0, 0, 0, 0, 32767, 32767}, {0, 34}},
                    // A draw on the empty cell counts as one of the blocked cells.
                    Draws{2, {6554, 14043, 32767, 32767}, {34}}));

TEST(Blocking, AQuickGameLeavesTenPiecesAndItsFirstMoveCanBeWorthSeveralPoints) {
    CBoard board = BoardOfValue(1);
    CScriptedRandom random = ManyDraws();
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()).size(), 25u);
    for (int i : blocked) EXPECT_EQ(board.Piece(i).m_nTakenBy, kTakenByOne) << i;
    EXPECT_EQ(RankedIndexes(board).size(), 10u);
    EXPECT_FALSE(board.AllTaken());
    EXPECT_GE(board.Piece(board.Ranked()[0]).m_nTakenNeighbours, 3);
}

TEST(Blocking, StopsWhenNoUntakenPieceIsLeftOnABoardWithTooFewPieces) {
    // The board of a previous game whose new board file was missing: only
    // three untaken pieces remain, yet 25 cells are asked for.
    CBoard board = BoardOfValue(1);
    for (int i = 0; i < kCells; ++i)
        if (i != 5 && i != 17 && i != 30) board.TakePiece(i, kTakenByTwo);
    board.RefreshCounts();
    CScriptedRandom random = ManyDraws();
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()), (std::set<int>{5, 17, 30}));
    EXPECT_TRUE(board.AllTaken());
    CScriptedRandom none({});
    EXPECT_TRUE(board.BlockRandomCells(25, none).empty());
}

}  // namespace
