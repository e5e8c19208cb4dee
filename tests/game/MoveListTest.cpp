#include <gtest/gtest.h>

#include <sstream>

#include "game/CArithmetic.h"
#include "game/CMoveList.h"
#include "game/BoardFixtures.h"

namespace {

// "x op y = r" computed again; false when the text does not add up.
bool AddsUp(const std::string& row, int& result) {
    std::istringstream in(row);
    int x = 0, y = 0;
    char op = 0, equals = 0;
    in >> x >> op >> y >> equals >> result;
    const CArithmeticResult computed = CArithmetic::Apply(op, x, y);
    return in && equals == '=' && computed.IsOk() && computed.m_nValue == result;
}

}  // namespace

// The moves are the search's ranking of the pieces the numbers reach, best
// first, each with a pair of equations that really gives its value.
TEST(MoveList, RanksTheReachablePiecesAsTheSearchAndWritesEquationsThatAddUp) {
    std::array<int, kCells> values{};
    for (int i = 0; i < kCells; ++i) values[std::size_t(i)] = i % 9 - 2;
    CBoard board = BoardOf(values);
    TakeAndRefresh(board, {0, 1, 7, 30});
    for (auto [a, b, c] : {std::array{3, 4, 2}, {0, 0, 0}, {10, 9, 1}}) {
        const std::vector<CMove> moves = CMoveList::For(board, a, b, c);
        const CBestPiece best = CBoard(board).FindBestPiece(a, b, c);
        ASSERT_EQ(!moves.empty(), best.m_bFound);
        if (!best.m_bFound) continue;
        EXPECT_EQ(moves.front().m_nIndex, best.m_nBoardIndex);
        std::vector<int> order;
        for (int index : RankedIndexes(board))
            for (const CMove& move : moves)
                if (move.m_nIndex == index) order.push_back(index);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const CMove& move = moves[i];
            EXPECT_EQ(move.m_nIndex, order[i]);
            EXPECT_EQ(move.m_nPoints, board.Piece(move.m_nIndex).m_nTakenNeighbours + 1);
            int first = 0, second = 0;
            EXPECT_TRUE(AddsUp(move.m_strFirst, first)) << move.m_strFirst;
            EXPECT_TRUE(AddsUp(move.m_strSecond, second)) << move.m_strSecond;
            EXPECT_EQ(second, move.m_nValue);
        }
    }
}
