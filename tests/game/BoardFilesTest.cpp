#include <gtest/gtest.h>

#include "game/CBoard.h"
#include "game/CBoardFigures.h"
#include "game/Deal.h"
#include "game/GameNames.h"
#include "game/SetupRules.h"
#include "support/CScriptedRandom.h"

class BoardFileOnDisk : public testing::TestWithParam<std::string> {};

TEST_P(BoardFileOnDisk, HoldsShortCaptionsOfItsSignAndIfPlayableMeetsTheDealOdds) {
    COperatorSet ops;
    int sign;
    ASSERT_TRUE(ParseBoardKey(GetParam(), ops, sign));
    CBoard board;
    ASSERT_TRUE(board.LoadFile(std::string(TALLYFOLD_DATA_DIR) + "/" + GetParam()));
    std::vector<int> values;
    int negative = 0;
    for (int i = 0; i < kCells; ++i) {
        const CPiece& piece = board.Piece(i);
        EXPECT_EQ(piece.m_strCaption, std::to_string(piece.m_nValue)) << "cell " << i;
        EXPECT_LE(piece.m_strCaption.size(), 4u) << "cell " << i;
        values.push_back(piece.m_nValue);
        negative += piece.m_nValue < 0 ? 1 : 0;
    }
    // P boards hold no negative value, N boards only negative ones, A boards both.
    EXPECT_TRUE(sign == kSignBoth ? negative > 0 && negative < kCells
                                  : negative == (sign == kSignNegative ? kCells : 0));

    if (BrokenSetupRule(ops, sign) != ESetupRule::Valid) return;
    const CDealOdds odds(ops, sign == kSignPositive);
    const CBoardFigures figures = CBoardFigures::Measure(odds, values);
    EXPECT_TRUE(figures.m_unreachable.empty()) << figures.m_unreachable.front();
    EXPECT_GE(figures.FullDeal(), CBoardFigures::kFullBoardTarget);
    EXPECT_GE(figures.HardestDeal(), CBoardFigures::kHardestThreeTarget);
}

INSTANTIATE_TEST_SUITE_P(AllKeys, BoardFileOnDisk, testing::ValuesIn(AllBoardKeys()));

TEST(BoardFigures, FindTheThreePiecesThatAreHardestTogether) {
    const CDealOdds odds({true, false, false, false}, true);
    // Sums of three numbers: 30 needs three tens, 29 two tens and a nine.
    const CBoardFigures figures = CBoardFigures::Measure(odds, {15, 30, 14, 29, 13, 31});
    EXPECT_EQ(figures.m_unreachable, std::vector<int>{31});
    EXPECT_EQ(figures.m_nHardestWeight, odds.WeightOfValues({30, 29}));
    EXPECT_EQ(figures.m_nFullWeight, odds.WeightOfValues({13, 14, 15, 29, 30}));
    EXPECT_FALSE(figures.MeetsHardestThree());
}

TEST(DealOdds, DealTenOnlyForTheTopDrawAndCompoundFifteenSets) {
    // Draws outside 0..32767 count as the nearer end.
    CScriptedRandom random({3276, 3277, 32766, 32767, -5, 40000});
    for (int number : {0, 1, 9, 10, 0, 10}) EXPECT_EQ(DealNumber(random), number);
    EXPECT_NEAR(CDealOdds::DealProbability(CDealOdds::kSetTotal / 2), 1.0 - 1.0 / 32768, 1e-12);
}
