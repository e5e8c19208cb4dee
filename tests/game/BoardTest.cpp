#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "game/CArithmetic.h"
#include "game/CBoard.h"
#include "game/CBoardLine.h"
#include "game/CMoveList.h"
#include "support/CScriptedRandom.h"

namespace {

// A board as its file writes it, "value ,0", in every cell but the given ones.
CBoard BoardOf(int value, const std::map<int, std::string>& lines = {}) {
    std::vector<std::string> text(kCells, std::to_string(value) + " ,0");
    for (const auto& [cell, line] : lines) text[std::size_t(cell)] = line;
    CBoard board;
    board.LoadLines(text);
    return board;
}

// Takes the given cells for player one, then counts as after a move.
void TakeAndRefresh(CBoard& board, const std::vector<int>& indexes) {
    for (int i : indexes) board.TakePiece(i, kTakenByOne);
    board.RefreshCounts();
}

std::vector<int> RankedIndexes(const CBoard& board) {
    std::vector<int> ranked;
    for (int i : board.Ranked())
        if (i != kUnset) ranked.push_back(i);
    return ranked;
}

// "cell 8, ranked 0, case 29", or "none, case -1" when nothing was found.
std::string Found(const CBestPiece& best) {
    if (!best.m_bFound) return "none, case " + std::to_string(best.m_nCase);
    return "cell " + std::to_string(best.m_nBoardIndex) + ", ranked " +
           std::to_string(best.m_nRankedIndex) + ", case " + std::to_string(best.m_nCase);
}

// "caption|value|second number", or "none" for no piece.
std::string Read(const char* line) {
    const CPiece piece = CBoardLine::Parse(line);
    if (!piece.m_bExists) return "none";
    return piece.m_strCaption + "|" + std::to_string(piece.m_nValue) + "|" +
           std::to_string(piece.m_nValue2);
}

// The character before the first comma is a filler and is dropped; the second
// number is the last pos characters of the trimmed line; both read like atoi.
TEST(BoardLine, IsReadIntoCaptionValueAndSecondNumberLikeAtoiButSaturated) {
    for (auto [line, read] : {std::pair{"7 ,0", "7|7|0"}, {"12,34", "1|1|34"}, {"17", "none"},
                              {"  \t12 , 34 \r", "12|12|34"}, {"+5 ,0", "+5|5|0"},
                              {"-99999999999 ,0", "-99999999999|-2147483648|2147483647"}})
        EXPECT_EQ(Read(line), read) << line;
}

// Row above, sides, row below; a take is worth one more than its taken neighbours.
TEST(Board, CountsTakenNeighboursInReadingOrderAndATakeNeedsAnUntakenPieceAndAPlayer) {
    CBoard board = BoardOf(0, {{9, "no comma here"}});  // up-left of cell 17 has no piece
    for (int i = 0; i < kCells; ++i)
        if (i != 17 && i != 24) board.TakePiece(i, kTakenByOne);
    std::vector<int> order;
    EXPECT_EQ(board.CountTakenNeighbours(2, 3, [&](int index) { order.push_back(index); }), 6);
    EXPECT_EQ(order, (std::vector<int>{10, 11, 16, 18, 23, 25}));
    board.RefreshCounts();
    EXPECT_EQ(board.TakePiece(17, kUntaken), 0);
    EXPECT_EQ(board.TakePiece(17, 3), 0);
    EXPECT_EQ(board.TakePiece(17, kTakenByTwo), 7);
    EXPECT_EQ(board.TakePiece(17, kTakenByOne), 0);  // already taken
}

TEST(BoardFile, ThatCannotBeOpenedChangesNothingAndAnotherReplacesEveryPieceAndTheSearchTable) {
    CBoard board = BoardOf(9);
    board.TakePiece(3, kTakenByOne);
    board.FindBestPiece(2, 3, 4);
    ASSERT_TRUE(board.CaseResult(1));
    EXPECT_FALSE(board.LoadFile(TALLYFOLD_DATA_DIR));  // a directory is no board file
    EXPECT_EQ(board.Piece(3).m_nTakenBy, kTakenByOne);
    board.LoadText("1 ,0\n2 ,0\n");  // a short file leaves the other cells empty
    EXPECT_EQ(RankedIndexes(board), (std::vector<int>{0, 1}));
    EXPECT_FALSE(board.CaseResult(1));
}

// Row, then column, each draw scaled onto its range. A draw on an empty cell
// counts as one of the cells; one on a taken piece is drawn again.
TEST(Blocking, TakesTheDrawnCellsForPlayerOneUntilNoUntakenPieceIsLeft) {
    CBoard board = BoardOf(0, {{10, ""}});  // no piece in row 1, column 3
    CScriptedRandom random({6554, 14043, 32767, 32767});
    EXPECT_EQ(board.BlockRandomCells(2, random), std::vector<int>{34});
    EXPECT_EQ(board.Piece(34).m_nTakenBy, kTakenByOne);
    // One untaken piece is left, as a board whose file was missing may be, yet 25 are asked for.
    for (int i = 1; i < kCells; ++i) board.TakePiece(i, kTakenByTwo);
    CScriptedRandom last({32767, 32767, 0, 0});
    EXPECT_EQ(board.BlockRandomCells(25, last), std::vector<int>{0});
    EXPECT_TRUE(board.AllTaken());
}

TEST(Search, RanksByGapPassesAndTakesTheFirstRankedReachablePieceThenItsLowestCase) {
    // Taking cell 0 moves cell 34 into the front hole; cells 1, 7 and 8 then
    // count one neighbour each and the gap passes leave them as 8, 1, 7.
    CBoard board = BoardOf(500, {{8, "10 ,0"}, {1, "9 ,0"}, {7, "9 ,0"}});
    TakeAndRefresh(board, {0});
    std::vector<int> ranked = {8, 1, 7, 2, 4, 5, 6, 3, 34};
    for (int i = 9; i <= 33; ++i) ranked.push_back(i);
    EXPECT_EQ(RankedIndexes(board), ranked);
    // With 2, 3, 4 the value 10 comes from cases 29, 4 + (2 * 3), and 62,
    // (3 * 4) - 2; 9 only from case 1.
    EXPECT_EQ(Found(board.FindBestPiece(2, 3, 4)), "cell 8, ranked 0, case 29");
    // Taken since the last count: passed over; of two equal pieces the one ranked first.
    board.TakePiece(8, kTakenByTwo);
    EXPECT_EQ(Found(board.FindBestPiece(2, 3, 4)), "cell 1, ranked 1, case 1");
    for (int i = 0; i < kCells; ++i) board.TakePiece(i, kTakenByTwo);
    board.RefreshCounts();
    EXPECT_EQ(Found(board.FindBestPiece(2, 3, 4)), "none, case -1");
}

TEST(Search, MatchesAPieceOfMinusOneThousandOnlyWithACaseThatGivesItAndKnowsNoCase105) {
    struct {
        CBoard board = BoardOf(-1000);
        std::optional<int> past = 7;  // just after the search table: a read beyond it shows
    } guarded;
    CBoard& board = guarded.board;
    board.SetOperators({false, true, true, false});  // - and *
    EXPECT_FALSE(board.FindBestPiece(1, 2, 3).m_bFound);
    EXPECT_EQ(board.FindBestPiece(0, 10, 100).m_nCase, 60);  // 10 * (0 - 100)
    EXPECT_FALSE(board.CaseResult(kCases + 1));
}

// The result of "x op y = r" when the row adds up.
std::optional<int> Result(const std::string& row) {
    std::istringstream in(row);
    int x = 0, y = 0, result = 0;
    char op = 0, equals = 0;
    in >> x >> op >> y >> equals >> result;
    const CArithmeticResult again = CArithmetic::Apply(op, x, y);
    if (!in || equals != '=' || !again.IsOk() || again.m_nValue != result) return std::nullopt;
    return result;
}

// The moves are the search's ranking of the pieces the numbers reach, best
// first, each with a pair of equations that really gives its value.
TEST(MoveList, RanksTheReachablePiecesAsTheSearchAndWritesEquationsThatAddUp) {
    std::map<int, std::string> lines;
    for (int i = 0; i < kCells; ++i) lines[i] = std::to_string(i % 9 - 2) + " ,0";
    CBoard board = BoardOf(0, lines);
    TakeAndRefresh(board, {0, 1, 7, 30});
    for (auto [a, b, c] : {std::array{3, 4, 2}, {0, 0, 0}, {10, 9, 1}}) {
        const std::vector<CMove> moves = CMoveList::For(board, a, b, c);
        EXPECT_EQ(moves.empty() ? kUnset : moves.front().m_nIndex,
                  CBoard(board).FindBestPiece(a, b, c).m_nBoardIndex);
        const std::vector<int> ranked = RankedIndexes(board);
        auto below = ranked.begin();  // each move further down the ranking than the one before
        for (const CMove& move : moves) {
            below = std::find(below, ranked.end(), move.m_nIndex);
            ASSERT_NE(below, ranked.end()) << move.m_nIndex;
            ++below;
            EXPECT_EQ(move.m_nPoints, board.Piece(move.m_nIndex).m_nTakenNeighbours + 1);
            EXPECT_TRUE(Result(move.m_strFirst)) << move.m_strFirst;
            EXPECT_EQ(Result(move.m_strSecond), move.m_nValue) << move.m_strSecond;
        }
    }
}

}  // namespace
