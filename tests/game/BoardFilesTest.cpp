#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/CBoard.h"
#include "game/CBoardFigures.h"
#include "game/GameNames.h"

namespace {

class BoardFileOnDisk : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            ParseBoardKey(GetParam(), m_bAdd, m_bSubtract, m_bMultiply, m_bDivide, m_nSign));
        ASSERT_TRUE(m_board.LoadFile(std::string(TALLYFOLD_DATA_DIR) + "/" + GetParam()));
        for (int i = 0; i < kCells; ++i) {
            if (m_board.HasPiece(i)) m_values.push_back(m_board.Piece(i).m_nValue);
        }
    }
    bool Playable() const {
        return IsPlayableSetup(m_bAdd, m_bSubtract, m_bMultiply, m_bDivide, m_nSign);
    }
    bool m_bAdd = false, m_bSubtract = false, m_bMultiply = false, m_bDivide = false;
    int m_nSign = 0;
    CBoard m_board;
    std::vector<int> m_values;
};

TEST_P(BoardFileOnDisk, FillsEveryCellWithAShortCaptionOfItsValue) {
    ASSERT_EQ(m_values.size(), 35u);
    for (int i = 0; i < kCells; ++i) {
        const CPiece& piece = m_board.Piece(i);
        EXPECT_EQ(piece.m_strCaption, std::to_string(piece.m_nValue)) << "cell " << i;
        EXPECT_LE(piece.m_strCaption.size(), 4u) << "cell " << i;
    }
}

TEST_P(BoardFileOnDisk, HoldsValuesOfItsSign) {
    int negative = 0;
    for (int v : m_values) negative += v < 0 ? 1 : 0;
    if (m_nSign == kSignPositive) {
        EXPECT_EQ(negative, 0);
    } else if (m_nSign == kSignNegative) {
        EXPECT_EQ(negative, 35);
    } else {
        EXPECT_GT(negative, 0);
        EXPECT_LT(negative, 35);
    }
}

class PlayableBoardFile : public BoardFileOnDisk {};

TEST_P(PlayableBoardFile, GivesADealGoodOddsOfAMove) {
    ASSERT_TRUE(Playable());
    const CDealOdds odds({m_bAdd, m_bSubtract, m_bMultiply, m_bDivide, m_nSign == kSignPositive});
    const CBoardFigures figures = CBoardFigures::Measure(odds, m_values);
    EXPECT_TRUE(figures.m_unreachable.empty()) << figures.m_unreachable.front();
    EXPECT_GE(figures.FullDeal(), CBoardFigures::kFullBoardTarget);
    EXPECT_GE(figures.HardestDeal(), CBoardFigures::kHardestThreeTarget);
}

std::string KeyName(const testing::TestParamInfo<std::string>& param) {
    std::string name = param.param;
    for (char& ch : name) ch = ch == '.' ? '_' : ch;
    return name;
}

std::vector<std::string> PlayableKeys() {
    std::vector<std::string> keys;
    for (const std::string& key : AllBoardKeys()) {
        bool a, s, m, d;
        int sign;
        ParseBoardKey(key, a, s, m, d, sign);
        if (IsPlayableSetup(a, s, m, d, sign)) keys.push_back(key);
    }
    return keys;
}

INSTANTIATE_TEST_SUITE_P(AllKeys, BoardFileOnDisk, testing::ValuesIn(AllBoardKeys()), KeyName);
INSTANTIATE_TEST_SUITE_P(PlayableKeys, PlayableBoardFile, testing::ValuesIn(PlayableKeys()),
                         KeyName);

TEST(BoardFigures, FindTheThreePiecesThatAreHardestTogether) {
    const CDealOdds odds({true, false, false, false, true});
    // Sums of three numbers: 30 needs three tens, 29 two tens and a nine.
    const CBoardFigures figures = CBoardFigures::Measure(odds, {15, 30, 14, 29, 13, 31});
    EXPECT_EQ(figures.m_unreachable, std::vector<int>{31});
    EXPECT_EQ(figures.m_nHardest[0], 1);
    EXPECT_EQ(figures.m_nHardest[1], 3);
    EXPECT_EQ(figures.m_nHardest[2], 5);
    EXPECT_EQ(figures.m_nDistinct, 6);
    EXPECT_EQ(figures.m_nHardestWeight, odds.WeightOfValues({30, 29}));
    EXPECT_EQ(figures.m_nFullWeight, odds.WeightOfValues({13, 14, 15, 29, 30}));
    EXPECT_FALSE(figures.MeetsHardestThree());
}

TEST(BoardFigures, CountARepeatedValueOnlyOnceAmongTheThree) {
    const CDealOdds odds({true, false, false, false, true});
    const CBoardFigures figures = CBoardFigures::Measure(odds, {15, 15, 15});
    EXPECT_EQ(figures.m_nHardestWeight, odds.WeightOfValues({15}));
}

}  // namespace
