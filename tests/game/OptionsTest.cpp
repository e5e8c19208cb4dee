#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "game/CGameCode.h"
#include "game/CGameOptions.h"
#include "game/COperatorCycle.h"
#include "game/SetupRules.h"

TEST(GameNames, BoardKeyAndTitleListTheOperatorsInOrderThenTheSigns) {
    EXPECT_EQ(BoardKey({false, true, false, true}, kSignNegative), "SD.N");
    EXPECT_EQ(GameTitle(16, {false, true, false, false}, kSignNegative),
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
}

TEST(GameCode, GivesBackTheOptionsAndSeedOfEveryValidGame) {
    const auto fields = [](const CGameOptions& o, std::uint32_t seed) {  // what a code holds
        return std::tuple(o.BoardKey(), o.m_nPieces, o.m_nLevel, o.m_bOnePlayer, seed);
    };
    int games = 0;
    for (const std::string& key : AllBoardKeys())
        for (int n = 0; n < 4 * 3 * 2; ++n) {
            CGameOptions options;
            ParseBoardKey(key, options.m_operators, options.m_nSignMode);
            if (BrokenSetupRule(options.m_operators, options.m_nSignMode) != ESetupRule::Valid)
                continue;
            options.m_nPieces = CGameOptions::PiecesForSize(n % 4);
            options.m_nLevel = n / 4 % 3;
            options.m_bOnePlayer = n < 12;
            const std::uint32_t seed = 0x9E3779B9u * std::uint32_t(++games);
            CGameOptions read;
            std::uint32_t readSeed = 0;
            ASSERT_TRUE(CGameCode::Read(CGameCode::Make(options, seed), read, readSeed));
            EXPECT_EQ(fields(read, readSeed), fields(options, seed));
        }
    EXPECT_GT(games, 500);
}

// One letter changed, one short or too many, or one outside the alphabet: refused,
// and the seed stays. Read as typed: lower case, spaces and hyphens, O for 0, I for 1.
TEST(GameCode, RefusesMistypedCodesAndReadsThemAsTyped) {
    CGameOptions options;
    const std::string code = CGameCode::Make(options, 12345);
    std::uint32_t seed = 7;
    for (std::size_t i = 0; i < code.size(); ++i) {
        std::string typo = code;
        typo[i] = typo[i] == 'Z' ? 'Y' : 'Z';
        EXPECT_FALSE(CGameCode::Read(typo, options, seed)) << typo;
    }
    for (const std::string& bad : {code.substr(1), code + "0", "U" + code.substr(1)})
        EXPECT_FALSE(CGameCode::Read(bad, options, seed)) << bad;
    EXPECT_EQ(seed, 7u);
    std::string typed = code.substr(0, 4) + "-" + code.substr(4, 4) + " " + code.substr(8);
    for (char& c : typed) c = c == '0' ? 'o' : c == '1' ? 'I' : char(std::tolower(c));
    EXPECT_TRUE(CGameCode::Read(typed, options, seed)) << typed;
    EXPECT_EQ(seed, 12345u);
}

TEST(OperatorCycle, SetOperatorShowsAnOperatorWithoutMovingTheCycle) {
    COperatorCycle cycle;
    for (char op : std::string("+-*/")) cycle.AddOperator(op);
    cycle.ShowFirst();
    cycle.ShowNext();
    cycle.SetOperator('/');
    cycle.ShowNext();  // on from '-', where the cycle stood
    EXPECT_EQ(cycle.GetOperator(), '*');
}
