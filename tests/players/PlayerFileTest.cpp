#include <algorithm>

#include "players/CStatistics.h"
#include "players/PlayersTest.h"

namespace {

class PlayerFile : public PlayersTest {
protected:
    std::string Created(const std::string& name) {
        CGamePlayer player(m_clock, {}, m_files);
        EXPECT_TRUE(player.CreatePlayerFile(name, kDir)) << name;
        return player.m_strFile;
    }
};

class PlayerFileRoundTrip : public PlayerFile, public testing::WithParamInterface<std::string> {};

TEST_P(PlayerFileRoundTrip, SavesTheBytesItLoadedWithCrLfWhateverTheLineEndsRead) {
    std::string lfOnly = GetParam();
    lfOnly.erase(std::remove(lfOnly.begin(), lfOnly.end(), '\r'), lfOnly.end());
    for (const std::string& bytes : {GetParam(), lfOnly}) {
        m_player.Clear();
        Loaded(bytes);
        EXPECT_EQ(m_player.m_strName, "Ann");
        ASSERT_TRUE(m_player.Save(kDir));
        EXPECT_EQ(m_files.m_files["players/Ann0.ply"], GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, PlayerFileRoundTrip,
                         testing::Values("Ann\r\nAnn0.ply\r\n", kOneRecordFile,
                                         kOneRecordFile + "Start Game Stats\r\n" + kRecordLines +
                                             "End Game Stats\r\n"));

TEST_F(PlayerFile, IgnoresLinesOutsideRecordsAndKeepsARecordCutShort) {
    Loaded(
        "Ann\r\nAnn0.ply\r\nEnd Game Stats\r\nstray\r\nstart game stats\r\nStart Game Stats\r\n" +
        kRecordLines + "End Game Stats\r\nmore stray\r\nStart Game Stats\r\ntitle\r\nstarted");
    ASSERT_EQ(m_player.m_records.size(), 2u);
    EXPECT_EQ(Record(0).m_nScore, 57);
    EXPECT_EQ(Record(1).m_strStarted, "started");
    EXPECT_EQ(Record(1).m_nScore, 0);
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
}

TEST_F(PlayerFile, AMissingOrEmptyFileKeepsTheNameAndFileItWasChosenBy) {
    m_player.m_strName = "Ann";
    m_player.m_strFile = "Ann0.ply";
    EXPECT_TRUE(m_player.Load(kDir));
    Loaded("");
    EXPECT_EQ(m_player.m_strName, "Ann");
    EXPECT_EQ(m_player.m_strFile, "Ann0.ply");
    EXPECT_TRUE(m_player.m_records.empty());
}

TEST_F(PlayerFile, TakesTheStoredFileNameOnlyWhenItStaysInsideThePlayersDirectory) {
    for (const std::string stored : {"../Ann0.ply", "/etc/passwd", "..", "", "a\\b", "Ann7.ply"}) {
        Loaded("Ann\r\n" + stored + "\r\n");
        EXPECT_EQ(m_player.m_strFile, stored == "Ann7.ply" ? stored : "Ann0.ply") << stored;
        EXPECT_TRUE(m_player.Save(kDir));
    }
    EXPECT_TRUE(m_files.TouchedOnlyInside(kDir));
}

TEST_F(PlayerFile, ASaveThatCannotBeWrittenIsReportedNamingTheFile) {
    for (const std::string file : {"../secret", "/tmp/x.ply"}) {
        m_player.m_strFile = file;
        m_player.Load(kDir);
        EXPECT_FALSE(m_player.Save(kDir)) << file;
    }
    EXPECT_TRUE(m_files.m_touched.empty());
    m_player.m_strFile = "Ann0.ply";
    m_files.m_bRefuseAll = true;
    EXPECT_FALSE(m_player.Save(kDir));
    EXPECT_EQ(m_messages.size(), 3u);
    EXPECT_EQ(m_messages.front(), "|Unable to save the player file players/../secret!");
    EXPECT_EQ(m_messages.back(), "|Unable to save the player file players/Ann0.ply!");
}

TEST_F(PlayerFile, APlayerWithoutAFileNameSavesNothingAndSaysNothing) {
    m_player.StartStats("game");
    EXPECT_TRUE(m_player.Save(kDir));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(m_files.m_touched.empty());
}

TEST_F(PlayerFile, CreatingTakesTheFirstNumberWithoutAFileForTheStem) {
    m_files.m_files["players/Ann1.ply"] = kOneRecordFile;
    ASSERT_TRUE(m_player.CreatePlayerFile("Ann", kDir));
    EXPECT_EQ(m_player.m_strName, "Ann");
    EXPECT_EQ(m_files.m_files["players/Ann0.ply"], "");
    m_player.Save(kDir);
    EXPECT_EQ(m_files.m_files["players/Ann0.ply"], "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(Created("Ann"), "Ann2.ply");
    EXPECT_EQ(m_files.m_files["players/Ann1.ply"], kOneRecordFile);
    m_files.m_files.erase("players/Ann0.ply");  // a deleted player's number is free again
    EXPECT_EQ(Created("Ann"), "Ann0.ply");
    EXPECT_EQ(Created("Mary Ann"), "Mary0.ply");
    EXPECT_EQ(Created("Mary"), "Mary1.ply");
}

TEST_F(PlayerFile, CreatingGivesUpAfterAHundredNumbersAndKeepsTheFileName) {
    m_files.m_bRefuseAll = true;
    m_player.m_strFile = "old.ply";
    EXPECT_FALSE(m_player.CreatePlayerFile("Ann", kDir));
    EXPECT_EQ(m_player.m_strFile, "old.ply");
    EXPECT_EQ(m_files.m_touched.size(), 100u);
    EXPECT_EQ(m_files.m_touched.back(), "players/Ann99.ply");
}

}  // namespace
