#include <gtest/gtest.h>

#include <set>
#include <string>

#include "BoardFixtures.h"
#include "game/CGameOptions.h"
#include "game/SetupRules.h"

namespace {

TEST(GameNames, BoardKeyAndTitleListTheOperatorsInOrderThenTheSigns) {
    EXPECT_EQ(CGameOptions().BoardKey(), "ASMD.A");
    EXPECT_EQ(BoardKey(OperatorsOf("SD"), kSignNegative), "SD.N");
    EXPECT_EQ(GameTitle(10, OperatorsOf("AM"), kSignPositive),
              "A 10 piece game with +* operators and only positive numbers allowed.");
    EXPECT_EQ(GameTitle(32, OperatorsOf("MSDA"), kSignBoth),
              "A 32 piece game with +-*/ operators and both positive and negative numbers "
              "allowed.");
    EXPECT_EQ(GameTitle(16, OperatorsOf("S"), kSignNegative),
              "A 16 piece game with - operators and only negative numbers allowed.");
}

TEST(GameNames, FortyFiveDistinctKeysParseBackAndTheSetupRulesLeaveTwentyEightPlayable) {
    const auto keys = AllBoardKeys();
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 45u);
    std::set<std::string> playable;
    for (const std::string& key : keys) {
        COperatorSet ops;
        int sign = -1;
        ASSERT_TRUE(ParseBoardKey(key, ops, sign)) << key;
        EXPECT_EQ(BoardKey(ops, sign), key);
        if (BrokenSetupRule(ops, sign) == ESetupRule::Valid) playable.insert(key);
    }
    std::set<std::string> expected = {"A.P",   "M.P", "AM.P", "AD.P", "MD.P",
                                      "AMD.P", "S.N", "S.A",  "SD.N", "SD.A"};
    for (const char* ops : {"AS", "SM", "ASM", "ASD", "SMD", "ASMD"})
        for (const char* sign : {".P", ".N", ".A"}) expected.insert(std::string(ops) + sign);
    EXPECT_EQ(playable, expected);
    COperatorSet ops;
    int sign;
    EXPECT_FALSE(ParseBoardKey("SA.P", ops, sign));
    EXPECT_FALSE(ParseBoardKey(".P", ops, sign));
}

}  // namespace
