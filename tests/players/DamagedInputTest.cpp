#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CPlayersIndex.h"
#include "players/CStatistics.h"
#include "players/CStatsReport.h"
#include "players/CTempDir.h"
#include "players/TestTimes.h"
#include "support/CFixedClock.h"

namespace {

std::string Binary(std::size_t size) {
    std::string bytes;
    unsigned value = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        value = value * 1103515245u + 12345u;
        bytes += static_cast<char>(value >> 16);
    }
    return bytes;
}

std::set<std::string> Listing(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// A program directory with a players directory and a file beside it that no
// damaged input may reach.
class DamagedInput : public testing::TestWithParam<std::string> {
protected:
    DamagedInput() {
        std::filesystem::create_directory(m_root.Path() + "players");
        m_root.Put("outside.ply", "keep");
        m_root.Put("players/data", "Ann\r\nAnn0.ply\r\n");
    }
    std::string PlayersDir() const { return m_root.Path() + "players/"; }
    void ExpectNothingOutsideTouched() const {
        EXPECT_EQ(m_root.Get("outside.ply"), "keep");
        EXPECT_EQ(Listing(m_root.Path()), (std::set<std::string>{"outside.ply", "players"}));
    }
    // Loads, reports, saves and removes the player of every index entry.
    void UseEveryIndexEntry() {
        const CPlayersIndex index;
        std::vector<SIndexEntry> entries;
        index.FillPlayerList(PlayersDir(), {}, [&](const SIndexEntry& e) { entries.push_back(e); },
                             {});
        for (const SIndexEntry& entry : entries) {
            CGamePlayer player(m_clock);
            player.m_strName = entry.strName;
            player.m_strFile = entry.strFile;
            player.Load(PlayersDir());
            std::string report;
            for (const auto& pRecord : player.m_records)
                CStatsReport::BuildReport(report, player.m_strName, *pRecord, true);
            player.Save(PlayersDir());
            index.RemovePlayerFile(PlayersDir(), player.m_strFile);
        }
        index.Rewrite(PlayersDir(), entries);
    }

    CTempDir m_root;
    CFixedClock m_clock{March7th1999(10, 0)};
};

TEST_P(DamagedInput, InAPlayerFileNeitherCrashesNorReachesOutsideThePlayersDirectory) {
    m_root.Put("players/Ann0.ply", GetParam());
    CGamePlayer player(m_clock);
    player.m_strFile = "Ann0.ply";
    player.Load(PlayersDir());
    EXPECT_TRUE(player.Save(PlayersDir()));
    EXPECT_EQ(player.m_strFile.find('/'), std::string::npos);
    ExpectNothingOutsideTouched();
    EXPECT_EQ(Listing(PlayersDir()), (std::set<std::string>{"Ann0.ply", "data"}));
}

TEST_P(DamagedInput, InThePlayersIndexNeitherCrashesNorReachesOutsideThePlayersDirectory) {
    m_root.Put("players/data", GetParam());
    m_root.Put("players/Ann0.ply", GetParam());
    UseEveryIndexEntry();
    ExpectNothingOutsideTouched();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DamagedInput,
    testing::Values(std::string(), Binary(4096), std::string(3'000'000, 'A'),
                    std::string(2'000'000, '\n'), "Ann", "Ann\r\n", "Ann\r\nAnn0.ply\r\nStart Game Stats",
                    "Ann\r\n../outside.ply\r\nStart Game Stats\r\n",
                    "Eve\r\n../outside.ply\r\nMal\r\n..\r\nDot\r\n.\r\nRoot\r\n/\r\n"
                    "Back\r\n..\\outside.ply\r\nAbs\r\n" +
                        std::filesystem::temp_directory_path().string() + "/x.ply\r\n",
                    "Nul\r\nAnn0.ply" + std::string(1, '\0') + "/../../outside.ply\r\n",
                    "Start Game Stats\r\n" + std::string(13 * 2, '\n') + "999999999999999999999\r\n"));

}  // namespace
