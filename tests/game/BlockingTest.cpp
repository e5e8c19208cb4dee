#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "BoardFixtures.h"
#include "support/CScriptedRandom.h"

namespace {

// A plain linear congruential source of 0..32767 for tests that need many draws.
class CCountingRandom : public IRandom {
public:
    int Next() override {
        m_state = m_state * 1103515245u + 12345u;
        ++m_nDraws;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    int m_nDraws = 0;

private:
    std::uint32_t m_state = 1;
};

struct Draw {
    int r1;
    int r2;
    int index;
};

class BlockingDraw : public testing::TestWithParam<Draw> {};

TEST_P(BlockingDraw, ScalesRowThenColumnFromTheFullRange) {
    CBoard board = BoardOfValue(1);
    CScriptedRandom random({GetParam().r1, GetParam().r2});
    EXPECT_EQ(board.BlockRandomCells(1, random), (std::vector<int>{GetParam().index}));
}

INSTANTIATE_TEST_SUITE_P(Draws, BlockingDraw,
                         testing::Values(Draw{0, 0, 0}, Draw{32767, 32767, 34}, Draw{6553, 4680, 0},
                                         Draw{6554, 4681, 8}, Draw{32766, 32766, 34},
                                         Draw{26214, 28086, 4 * 7 + 6},
                                         Draw{26213, 28085, 3 * 7 + 5}));

TEST(Blocking, RepeatsADrawOnAnAlreadyBlockedCellWithoutCountingIt) {
    CBoard board = BoardOfValue(1);
    CScriptedRandom random({0, 0, 0, 0, 32767, 32767});
    EXPECT_EQ(board.BlockRandomCells(2, random), (std::vector<int>{0, 34}));
    EXPECT_EQ(random.Used(), 6u);
}

TEST(Blocking, CountsADrawOnAnEmptyCellAsHandled) {
    std::vector<std::string> lines = LinesOf({});
    lines[0] = "";
    CBoard board;
    board.LoadLines(lines);
    CScriptedRandom random({0, 0, 32767, 32767});
    EXPECT_EQ(board.BlockRandomCells(2, random), (std::vector<int>{34}));
    EXPECT_EQ(random.Used(), 4u);
}

TEST(Blocking, MarksBlockedPiecesAsTakenByPlayerOneAndRefreshesTheCounts) {
    CBoard board = BoardOfValue(1);
    CScriptedRandom random({0, 0});
    board.BlockRandomCells(1, random);
    EXPECT_EQ(board.Piece(0).m_nTakenBy, kTakenByOne);
    EXPECT_TRUE(board.Piece(0).m_bBlocked);
    EXPECT_EQ(board.Piece(1).m_nTakenNeighbours, 1);
    EXPECT_EQ(board.Piece(8).m_nTakenNeighbours, 1);
    EXPECT_EQ(board.m_ranked[34], kUnset);
}

TEST(Blocking, AQuickGameLeavesTenPiecesAndItsFirstMoveCanBeWorthSeveralPoints) {
    CBoard board = BoardOfValue(1);
    CCountingRandom random;
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(blocked.size(), 25u);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()).size(), 25u);
    EXPECT_EQ(board.UntakenCount(), 10);
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
    CCountingRandom random;
    const std::vector<int> blocked = board.BlockRandomCells(25, random);
    EXPECT_EQ(std::set<int>(blocked.begin(), blocked.end()), (std::set<int>{5, 17, 30}));
    EXPECT_TRUE(board.m_bAllTaken);
}

TEST(Blocking, DrawsNothingWhenNoUntakenPieceExists) {
    CBoard board;
    board.LoadLines({});
    CScriptedRandom random({});
    EXPECT_TRUE(board.BlockRandomCells(25, random).empty());
    EXPECT_EQ(random.Used(), 0u);
}

TEST(Blocking, KeepsOutOfRangeDrawsOnTheBoard) {
    CBoard board = BoardOfValue(1);
    CScriptedRandom random({-5, 99999});
    EXPECT_EQ(board.BlockRandomCells(1, random), (std::vector<int>{6}));
}

}  // namespace
