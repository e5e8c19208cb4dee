#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CTempDir.h"
#include "players/TestTimes.h"
#include "support/CFixedClock.h"

namespace {

const std::string kRecordLines =
    "16 pieces, + - x /, positive numbers\r\n"
    "03/07/99 at 02:05:09 PM\r\n"
    "Game was finished on Sunday, 03/07/99 at 02:31 PM\r\n"
    "\r\n"
    "TRUE\r\n0\r\n57\r\nFALSE\r\nthe computer\r\n2\r\n1\r\n0\r\n3\r\n";
const std::string kOneRecordFile =
    "Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + kRecordLines + "End Game Stats\r\n";

std::string WithoutCarriageReturns(std::string text) {
    std::string result;
    for (const char c : text)
        if (c != '\r') result += c;
    return result;
}

class PlayerFile : public testing::Test {
protected:
    std::unique_ptr<CGamePlayer> MakePlayer(const std::string& file) {
        auto player = std::make_unique<CGamePlayer>(m_clock, FnMessage(), m_files);
        player->m_strFile = file;
        return player;
    }
    CFixedClock m_clock{March7th1999(14, 40)};
    CMemoryFileSystem m_files;
    const std::string m_strDir = "players/";
};

struct SRoundTrip {
    const char* what;
    std::string bytes;
    std::size_t records;
};

class PlayerFileRoundTrip : public testing::TestWithParam<SRoundTrip> {};

TEST_P(PlayerFileRoundTrip, LoadsAndSavesTheSameBytesOnDisk) {
    CTempDir dir;
    dir.Put("Ann0.ply", GetParam().bytes);
    CFixedClock clock(March7th1999(15, 0));
    CGamePlayer player(clock);
    player.m_strFile = "Ann0.ply";
    player.Load(dir.Path());
    EXPECT_EQ(player.m_strName, "Ann");
    EXPECT_EQ(player.m_records.size(), GetParam().records);
    ASSERT_TRUE(player.Save(dir.Path()));
    EXPECT_EQ(dir.Get("Ann0.ply"), GetParam().bytes) << GetParam().what;
}

TEST_P(PlayerFileRoundTrip, ReadsLfOnlyLineEndsTheSameAndWritesCrLf) {
    CTempDir dir;
    dir.Put("Ann0.ply", WithoutCarriageReturns(GetParam().bytes));
    CFixedClock clock(March7th1999(15, 0));
    CGamePlayer player(clock);
    player.m_strFile = "Ann0.ply";
    player.Load(dir.Path());
    EXPECT_EQ(player.m_records.size(), GetParam().records);
    player.Save(dir.Path());
    EXPECT_EQ(dir.Get("Ann0.ply"), GetParam().bytes) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlayerFileRoundTrip,
    testing::Values(SRoundTrip{"new player", "Ann\r\nAnn0.ply\r\n", 0},
                    SRoundTrip{"one record", kOneRecordFile, 1},
                    SRoundTrip{"two records",
                               kOneRecordFile + "Start Game Stats\r\n" + kRecordLines +
                                   "End Game Stats\r\n",
                               2}));

TEST(PlayerFileOnDisk, ANewPlayerGetsATwoLineFile) {
    CTempDir dir;
    CFixedClock clock(March7th1999(15, 0));
    CGamePlayer player(clock);
    ASSERT_TRUE(player.CreatePlayerFile("Ann", dir.Path()));
    EXPECT_EQ(dir.Get("Ann0.ply"), "");
    player.Save(dir.Path());
    EXPECT_EQ(dir.Get("Ann0.ply"), "Ann\r\nAnn0.ply\r\n");
}

TEST_F(PlayerFile, ReadsTheRecordLinesIntoTheirFields) {
    m_files.m_files["players/Ann0.ply"] = kOneRecordFile;
    auto player = MakePlayer("Ann0.ply");
    player->Load(m_strDir);
    ASSERT_EQ(player->m_records.size(), 1u);
    const auto& stats = dynamic_cast<const CGameStats&>(*player->m_records[0]);
    EXPECT_EQ(stats.m_strTitle, "16 pieces, + - x /, positive numbers");
    EXPECT_EQ(stats.m_strStarted, "03/07/99 at 02:05:09 PM");
    EXPECT_EQ(stats.m_strEnded, "Game was finished on Sunday, 03/07/99 at 02:31 PM");
    EXPECT_TRUE(stats.m_bFinished);
    EXPECT_EQ(stats.m_nScore, 57);
    EXPECT_FALSE(stats.m_bDidNotWin);
    EXPECT_EQ(stats.m_strOpponent, "the computer");
    EXPECT_EQ(stats.m_nMissedMoves, 2);
    EXPECT_EQ(stats.m_nPasses, 1);
    EXPECT_EQ(stats.m_nOperatorHints, 0);
    EXPECT_EQ(stats.m_nOptimalHints, 3);
    EXPECT_EQ(player->m_pCurrentStats, nullptr);
}

TEST_F(PlayerFile, IgnoresLinesOutsideRecords) {
    m_files.m_files["players/Ann0.ply"] = "Ann\r\nAnn0.ply\r\nEnd Game Stats\r\nstray\r\nstart game stats\r\n" +
                                          std::string("Start Game Stats\r\n") + kRecordLines +
                                          "End Game Stats\r\nmore stray\r\n";
    auto player = MakePlayer("Ann0.ply");
    player->Load(m_strDir);
    ASSERT_EQ(player->m_records.size(), 1u);
    EXPECT_EQ(player->m_records[0]->m_nScore, 57);
}

TEST_F(PlayerFile, KeepsARecordCutShortByTheEndOfTheFile) {
    m_files.m_files["players/Ann0.ply"] = "Ann\nAnn0.ply\nStart Game Stats\ntitle\nstarted";
    auto player = MakePlayer("Ann0.ply");
    player->Load(m_strDir);
    ASSERT_EQ(player->m_records.size(), 1u);
    EXPECT_EQ(player->m_records[0]->m_strStarted, "started");
    EXPECT_EQ(player->m_records[0]->m_nScore, 0);
}

TEST_F(PlayerFile, LoadingAppendsToTheRecordsAlreadyHeld) {
    m_files.m_files["players/Ann0.ply"] = kOneRecordFile;
    auto player = MakePlayer("Ann0.ply");
    player->Load(m_strDir);
    player->Load(m_strDir);
    EXPECT_EQ(player->m_records.size(), 2u);
    player->Clear();
    EXPECT_TRUE(player->m_records.empty());
}

TEST_F(PlayerFile, AMissingFileChangesNothing) {
    auto player = MakePlayer("Ann0.ply");
    player->m_strName = "Ann";
    EXPECT_TRUE(player->Load(m_strDir));
    EXPECT_EQ(player->m_strName, "Ann");
    EXPECT_EQ(player->m_strFile, "Ann0.ply");
    EXPECT_TRUE(player->m_records.empty());
}

TEST_F(PlayerFile, AnEmptyFileKeepsTheNameAndFileItWasChosenBy) {
    m_files.m_files["players/Ann0.ply"] = "";
    auto player = MakePlayer("Ann0.ply");
    player->m_strName = "Ann";
    player->Load(m_strDir);
    EXPECT_EQ(player->m_strName, "Ann");
    EXPECT_EQ(player->m_strFile, "Ann0.ply");
}

TEST_F(PlayerFile, AStoredFileNameLeadingOutOfThePlayersDirectoryIsNotTaken) {
    for (const std::string hostile : {"../Ann0.ply", "/etc/passwd", "..", "", "a\\b"}) {
        m_files.m_files["players/Ann0.ply"] = "Ann\r\n" + hostile + "\r\n";
        auto player = MakePlayer("Ann0.ply");
        player->Load(m_strDir);
        EXPECT_EQ(player->m_strFile, "Ann0.ply") << hostile;
        EXPECT_TRUE(player->Save(m_strDir));
    }
    EXPECT_TRUE(m_files.TouchedOnlyInside(m_strDir));
    EXPECT_EQ(m_files.m_files.size(), 1u);
}

TEST_F(PlayerFile, AStoredPlainFileNameIsTaken) {
    m_files.m_files["players/Ann0.ply"] = "Ann\r\nAnn7.ply\r\n";
    auto player = MakePlayer("Ann0.ply");
    player->Load(m_strDir);
    EXPECT_EQ(player->m_strFile, "Ann7.ply");
}

TEST_F(PlayerFile, AHostileFileNameIsNeitherReadNorWritten) {
    std::vector<std::string> messages;
    for (const std::string hostile : {"../secret", "/tmp/x.ply", "..", ".", "sub/x"}) {
        CGamePlayer player(m_clock, [&](const std::string& text, const std::string&) {
            messages.push_back(text);
        }, m_files);
        player.m_strFile = hostile;
        player.Load(m_strDir);
        EXPECT_FALSE(player.Save(m_strDir)) << hostile;
    }
    EXPECT_TRUE(m_files.m_touched.empty());
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0], "Unable to save the player file players/../secret!");
}

TEST_F(PlayerFile, APlayerWithoutAFileNameSavesNothingAndSaysNothing) {
    bool told = false;
    CGamePlayer player(m_clock, [&](const std::string&, const std::string&) { told = true; },
                       m_files);
    player.m_strName = "Player 1";
    player.StartStats("game");
    EXPECT_TRUE(player.Save(m_strDir));
    EXPECT_FALSE(told);
    EXPECT_TRUE(m_files.m_touched.empty());
}

TEST_F(PlayerFile, ASaveThatFailsIsReportedInTheApplicationBoxNamingTheFile) {
    std::string text = "none";
    std::string caption = "none";
    CGamePlayer player(m_clock, [&](const std::string& t, const std::string& c) {
        text = t;
        caption = c;
    }, m_files);
    player.m_strFile = "Ann0.ply";
    m_files.m_bRefuseAll = true;
    EXPECT_FALSE(player.Save(m_strDir));
    EXPECT_EQ(text, "Unable to save the player file players/Ann0.ply!");
    EXPECT_EQ(caption, "");
}

TEST_F(PlayerFile, CreatingGivesTheFirstFreeNumberForTheStem) {
    auto ann = MakePlayer("");
    ASSERT_TRUE(ann->CreatePlayerFile("Ann", m_strDir));
    EXPECT_EQ(ann->m_strFile, "Ann0.ply");
    EXPECT_EQ(ann->m_strName, "Ann");
    auto secondAnn = MakePlayer("");
    secondAnn->CreatePlayerFile("Ann", m_strDir);
    EXPECT_EQ(secondAnn->m_strFile, "Ann1.ply");

    auto maryAnn = MakePlayer("");
    maryAnn->CreatePlayerFile("Mary Ann", m_strDir);
    auto mary = MakePlayer("");
    mary->CreatePlayerFile("Mary", m_strDir);
    EXPECT_EQ(maryAnn->m_strFile, "Mary0.ply");
    EXPECT_EQ(mary->m_strFile, "Mary1.ply");
    EXPECT_EQ(mary->m_strName, "Mary");
}

TEST_F(PlayerFile, CreatingReusesTheNumberOfADeletedPlayer) {
    m_files.m_files["players/Ann1.ply"] = "Ann\r\nAnn1.ply\r\n";
    auto ann = MakePlayer("");
    ann->CreatePlayerFile("Ann", m_strDir);
    EXPECT_EQ(ann->m_strFile, "Ann0.ply");
    m_files.m_files.erase("players/Ann0.ply");
    auto newAnn = MakePlayer("");
    newAnn->CreatePlayerFile("Ann", m_strDir);
    EXPECT_EQ(newAnn->m_strFile, "Ann0.ply");
}

TEST_F(PlayerFile, CreatingGivesUpAfterAHundredNumbersAndKeepsTheFileName) {
    m_files.m_bRefuseAll = true;
    auto player = MakePlayer("old.ply");
    EXPECT_FALSE(player->CreatePlayerFile("Ann", m_strDir));
    EXPECT_EQ(player->m_strFile, "old.ply");
    EXPECT_EQ(player->m_strName, "Ann");
    EXPECT_EQ(m_files.m_touched.size(), 100u);
    EXPECT_EQ(m_files.m_touched.back(), "players/Ann99.ply");
}

TEST_F(PlayerFile, CreatingNeverEmptiesAnExistingFile) {
    m_files.m_files["players/Ann0.ply"] = kOneRecordFile;
    auto player = MakePlayer("");
    player->CreatePlayerFile("Ann", m_strDir);
    EXPECT_EQ(m_files.m_files["players/Ann0.ply"], kOneRecordFile);
    EXPECT_EQ(player->m_strFile, "Ann1.ply");
}

TEST_F(PlayerFile, ANameThatCannotMakeAPlainFileNameCreatesNothing) {
    auto player = MakePlayer("");
    EXPECT_FALSE(player->CreatePlayerFile(std::string("A\0B", 3), m_strDir));
    EXPECT_TRUE(m_files.m_touched.empty());
}

}  // namespace
