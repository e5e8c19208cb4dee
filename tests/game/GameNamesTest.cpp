#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/GameNames.h"

namespace {

TEST(GameNames, BoardKeyListsOperatorLettersInOrderThenTheSignLetter) {
    EXPECT_EQ(BoardKey(true, false, true, false, kSignPositive), "AM.P");
    EXPECT_EQ(BoardKey(false, true, false, true, kSignNegative), "SD.N");
    EXPECT_EQ(BoardKey(true, true, true, true, kSignBoth), "ASMD.A");
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

TEST(GameNames, FortyFiveDistinctKeysParseBackAndTheSetupRulesLeaveTwentyEightPlayable) {
    const auto keys = AllBoardKeys();
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 45u);
    std::set<std::string> playable;
    for (const std::string& key : keys) {
        bool add = false, subtract = false, multiply = false, divide = false;
        int sign = -1;
        ASSERT_TRUE(ParseBoardKey(key, add, subtract, multiply, divide, sign)) << key;
        EXPECT_EQ(BoardKey(add, subtract, multiply, divide, sign), key);
        if (IsPlayableSetup(add, subtract, multiply, divide, sign)) playable.insert(key);
    }
    // Without subtraction only positive numbers and never division alone;
    // subtraction alone or with division never positive only.
    std::set<std::string> expected = {"A.P",   "M.P", "AM.P", "AD.P", "MD.P",
                                      "AMD.P", "S.N", "S.A",  "SD.N", "SD.A"};
    for (const char* ops : {"AS", "SM", "ASM", "ASD", "SMD", "ASMD"}) {
        for (const char* sign : {".P", ".N", ".A"}) expected.insert(std::string(ops) + sign);
    }
    EXPECT_EQ(playable, expected);
    bool a, s, m, d;
    int sign;
    EXPECT_FALSE(ParseBoardKey("SA.P", a, s, m, d, sign));
    EXPECT_FALSE(ParseBoardKey(".P", a, s, m, d, sign));
}

}  // namespace
