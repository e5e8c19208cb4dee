#include <gtest/gtest.h>

#include "game/CGameCode.h"
#include "game/SetupRules.h"

// Every valid game's options and any seed come back from its code; a code
// with one letter changed, one letter short, or a letter outside the
// alphabet is refused and changes nothing.
TEST(GameCode, RoundTripsEveryGameAndRefusesMistypedCodes) {
    int games = 0;
    for (int mask = 1; mask < 16; ++mask)
        for (int sign = 0; sign < 3; ++sign)
            for (int size = 0; size < 4; ++size)
                for (bool one : {true, false}) {
                    CGameOptions options;
                    options.m_operators = {(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0,
                                           (mask & 8) != 0};
                    options.m_nSignMode = sign;
                    options.m_nPieces = CGameOptions::PiecesForSize(size);
                    options.m_bOnePlayer = one;
                    if (BrokenSetupRule(options.m_operators, sign) != ESetupRule::Valid) continue;
                    ++games;
                    const std::uint32_t seed = 0x9E3779B9u * std::uint32_t(games);
                    const std::string code = CGameCode::Make(options, seed);
                    ASSERT_EQ(code.size(), std::size_t(CGameCode::kLength));
                    CGameOptions read;
                    std::uint32_t readSeed = 0;
                    ASSERT_TRUE(CGameCode::Read(code, read, readSeed)) << code;
                    EXPECT_EQ(read.BoardKey() + read.GameTitle(), options.BoardKey() + options.GameTitle());
                    EXPECT_EQ(read.m_bOnePlayer, one);
                    EXPECT_EQ(readSeed, seed);
                }
    EXPECT_GT(games, 100);
    CGameOptions options;
    const std::string code = CGameCode::Make(options, 12345);
    std::uint32_t seed = 7;
    for (std::size_t i = 0; i < code.size(); ++i) {
        std::string typo = code;
        typo[i] = typo[i] == 'Z' ? 'Y' : 'Z';
        EXPECT_FALSE(CGameCode::Read(typo, options, seed)) << typo;
    }
    for (const std::string bad : {code.substr(1), code + "0", "U" + code.substr(1), std::string()})
        EXPECT_FALSE(CGameCode::Read(bad, options, seed)) << bad;
    EXPECT_EQ(seed, 7u);
    // Read as typed: lower case, spaces and hyphens, O for 0 and I for 1.
    std::string typed = code.substr(0, 4) + "-" + code.substr(4, 4) + " " + code.substr(8);
    for (char& c : typed) c = c == '0' ? 'o' : c == '1' ? 'I' : char(std::tolower(c));
    EXPECT_TRUE(CGameCode::Read(typed, options, seed));
    EXPECT_EQ(seed, 12345u);
}
