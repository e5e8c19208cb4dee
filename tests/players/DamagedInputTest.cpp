#include <ostream>

#include "players/CPlayerFileName.h"
#include "players/PlayersTest.h"
#include "players/PlayersWorkout.h"

namespace {

std::string Binary(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) bytes += static_cast<char>(i * 2654435761u >> 13);
    return bytes;
}

struct SDamaged {
    const char* what;
    std::string bytes;
    friend void PrintTo(const SDamaged& input, std::ostream* os) { *os << input.what; }
};

class DamagedInput : public PlayersTest, public testing::WithParamInterface<SDamaged> {};

// The bytes are both the players index and Ann's player file.
TEST_P(DamagedInput, NeitherCrashesNorReachesOutsideThePlayersDirectory) {
    m_files.m_files["players/data"] = GetParam().bytes;
    Loaded(GetParam().bytes);
    EXPECT_TRUE(m_player.Save(kDir));
    EXPECT_TRUE(CPlayerFileName::IsPlain(m_player.m_strFile));
    UseEveryIndexEntry(m_files, m_clock, kDir, {{"Ann", "Ann0.ply"}});
    EXPECT_TRUE(m_files.TouchedOnlyInside(kDir));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DamagedInput,
    testing::Values(
        SDamaged{"empty", ""}, SDamaged{"binary", Binary(4096)},
        SDamaged{"huge line", std::string(3'000'000, 'A')},
        SDamaged{"many lines", std::string(2'000'000, '\n')}, SDamaged{"name only", "Ann"},
        SDamaged{"record cut short", "Ann\r\nAnn0.ply\r\nStart Game Stats"},
        SDamaged{"stored name leads out", "Ann\r\n../outside.ply\r\nStart Game Stats\r\n"},
        SDamaged{"hostile index",
                 "Eve\r\n../outside.ply\r\nMal\r\n..\r\nDot\r\n.\r\nRoot\r\n/\r\n"
                 "Back\r\n..\\outside.ply\r\nAbs\r\n/tmp/x.ply\r\n"},
        SDamaged{"NUL in a name",
                 "Nul\r\nAnn0.ply" + std::string(1, '\0') + "/../../outside.ply\r\n"},
        SDamaged{"number beyond 32 bits", "Start Game Stats\r\n" + std::string(13 * 2, '\n') +
                                              "999999999999999999999\r\n"}));

}  // namespace
