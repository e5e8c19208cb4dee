#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/CGameOptions.h"
#include "game/GameNames.h"

namespace {

TEST(GameNames, BoardKeyListsOperatorLettersInOrderThenTheSignLetter) {
    EXPECT_EQ(BoardKey(true, false, true, false, kSignPositive), "AM.P");
    EXPECT_EQ(BoardKey(true, true, true, true, kSignBoth), "ASMD.A");
    EXPECT_EQ(BoardKey(false, true, false, true, kSignNegative), "SD.N");
    EXPECT_EQ(BoardKey(true, false, false, false, kSignPositive), "A.P");
}

TEST(GameNames, GameTitleNamesPiecesOperatorsAndSigns) {
    EXPECT_EQ(GameTitle(10, true, false, true, false, kSignPositive),
              "A 10 piece game with +* operators and only positive numbers allowed.");
    EXPECT_EQ(GameTitle(32, true, true, true, true, kSignBoth),
              "A 32 piece game with +-*/ operators and both positive and negative numbers "
              "allowed.");
    EXPECT_EQ(GameTitle(16, false, true, false, false, kSignNegative),
              "A 16 piece game with - operators and only negative numbers allowed.");
}

TEST(GameNames, LettersAndCharactersOfOperatorsAndSigns) {
    EXPECT_EQ(std::string() + OperatorLetter(EOperator::Add) + OperatorLetter(EOperator::Subtract) +
                  OperatorLetter(EOperator::Multiply) + OperatorLetter(EOperator::Divide),
              "ASMD");
    EXPECT_EQ(OperatorText(true, true, true, true), "+-*/");
    EXPECT_EQ(std::string() + SignLetter(0) + SignLetter(1) + SignLetter(2), "PNA");
    for (int mode = 0; mode < 3; ++mode) EXPECT_EQ(SignModeForLetter(SignLetter(mode)), mode);
    EXPECT_EQ(SignModeForLetter('x'), -1);
}

TEST(GameNames, ThereAreFortyFiveDistinctKeysThatParseBack) {
    const auto keys = AllBoardKeys();
    EXPECT_EQ(keys.size(), 45u);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 45u);
    for (const std::string& key : keys) {
        bool add = false, subtract = false, multiply = false, divide = false;
        int sign = -1;
        ASSERT_TRUE(ParseBoardKey(key, add, subtract, multiply, divide, sign)) << key;
        EXPECT_EQ(BoardKey(add, subtract, multiply, divide, sign), key);
    }
    bool a, s, m, d;
    int sign;
    EXPECT_FALSE(ParseBoardKey("SA.P", a, s, m, d, sign));
    EXPECT_FALSE(ParseBoardKey(".P", a, s, m, d, sign));
}

struct Setup {
    const char* key;
    bool playable;
};

class PlayableSetup : public testing::TestWithParam<Setup> {};

TEST_P(PlayableSetup, FollowsTheOperatorAndSignRules) {
    bool a, s, m, d;
    int sign;
    ASSERT_TRUE(ParseBoardKey(GetParam().key, a, s, m, d, sign));
    EXPECT_EQ(IsPlayableSetup(a, s, m, d, sign), GetParam().playable) << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PlayableSetup,
    testing::Values(Setup{"A.P", true}, Setup{"A.N", false}, Setup{"A.A", false},
                    Setup{"D.P", false}, Setup{"D.A", false}, Setup{"MD.P", true},
                    Setup{"S.P", false}, Setup{"S.N", true}, Setup{"S.A", true},
                    Setup{"SD.P", false}, Setup{"SD.A", true}, Setup{"SM.P", true},
                    Setup{"SM.N", true}, Setup{"AS.P", true}, Setup{"ASMD.A", true}));

TEST(GameNames, ExactlyTwentyEightKeysArePlayable) {
    int playable = 0;
    for (const std::string& key : AllBoardKeys()) {
        bool a, s, m, d;
        int sign;
        ParseBoardKey(key, a, s, m, d, sign);
        playable += IsPlayableSetup(a, s, m, d, sign) ? 1 : 0;
    }
    // 6 sets without subtraction (all but division alone; positive only), S and SD
    // (negative or both), the 6 other sets with subtraction (every sign).
    EXPECT_EQ(playable, 6 + 2 * 2 + 6 * 3);
}

TEST(GameOptions, DefaultsDescribeTheStartUpGame) {
    const CGameOptions options;
    EXPECT_TRUE(options.m_bOnePlayer);
    EXPECT_EQ(options.m_nPieces, 26);
    EXPECT_EQ(options.BoardKey(), "ASMD.A");
    EXPECT_EQ(options.GameTitle(),
              "A 26 piece game with +-*/ operators and both positive and negative numbers "
              "allowed.");
}

TEST(GameOptions, SizeIndexesMapToPiecesAndBack) {
    const int pieces[] = {10, 16, 26, 32};
    for (int size = 0; size < 4; ++size) {
        EXPECT_EQ(CGameOptions::PiecesForSize(size), pieces[size]);
        EXPECT_EQ(CGameOptions::SizeForPieces(pieces[size]), size);
    }
    EXPECT_EQ(CGameOptions::PiecesForSize(7), 26);
    EXPECT_EQ(CGameOptions::SizeForPieces(11), 2);
}

}  // namespace
