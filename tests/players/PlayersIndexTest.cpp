#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/CMemoryFileSystem.h"
#include "players/CPlayersIndex.h"

namespace {

using Entries = std::vector<SIndexEntry>;

class PlayersIndex : public testing::Test {
protected:
    Entries Fill(const CPlayersIndex::FnSkip& skip = {}) {
        Entries added;
        CPlayersIndex(m_files).FillPlayerList(
            m_strDir, skip, [&](const SIndexEntry& entry) { added.push_back(entry); },
            [this](const std::string& text, const std::string& caption) {
                m_messages.push_back(caption + ": " + text);
            });
        return added;
    }
    std::string& Index() { return m_files.m_files[m_strDir + "data"]; }

    CMemoryFileSystem m_files;
    const std::string m_strDir = "players/";
    std::vector<std::string> m_messages;
};

TEST_F(PlayersIndex, ListsTheLinePairsInFileOrder) {
    Index() = "Ann\r\nAnn0.ply\r\nMary Ann\r\nMary0.ply\r\nAnn\r\nAnn1.ply\r\n";
    EXPECT_EQ(Fill(), (Entries{{"Ann", "Ann0.ply"}, {"Mary Ann", "Mary0.ply"}, {"Ann", "Ann1.ply"}}));
}

TEST_F(PlayersIndex, PassesOverEmptyNameLinesAndGivesALastNameAnEmptyFile) {
    Index() = "\nAnn\nAnn0.ply\n\n\nBob";
    EXPECT_EQ(Fill(), (Entries{{"Ann", "Ann0.ply"}, {"Bob", ""}}));
}

TEST_F(PlayersIndex, KeepsAnEmptyFileLineAsAnEmptyFileName) {
    Index() = "Guest\r\n\r\nAnn\r\nAnn0.ply\r\n";
    EXPECT_EQ(Fill(), (Entries{{"Guest", ""}, {"Ann", "Ann0.ply"}}));
}

TEST_F(PlayersIndex, LeavesOutTheEntriesTheSkipRuleRefuses) {
    Index() = "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n";
    EXPECT_EQ(Fill([](const SIndexEntry& entry) { return entry.strFile == "Ann0.ply"; }),
              (Entries{{"Bob", "Bob0.ply"}}));
}

TEST_F(PlayersIndex, IsCreatedEmptyWhenMissing) {
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(m_files.m_files.at("players/data"), "");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PlayersIndex, AskForAReinstallWhenItCannotBeCreated) {
    m_files.m_bRefuseAll = true;
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(m_messages, std::vector<std::string>{"File Error: Please re-install Brainwick!"});
}

TEST_F(PlayersIndex, AnUnreadableIndexIsNeverEmptied) {
    Index() = "Ann\r\nAnn0.ply\r\n";
    m_files.m_refused.insert("players/data");
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(Index(), "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(PlayersIndex, AppendingAddsAPairAtTheEnd) {
    Index() = "Ann\r\nAnn0.ply\r\n";
    EXPECT_TRUE(CPlayersIndex(m_files).Append(m_strDir, {"Bob", "Bob0.ply"}));
    EXPECT_EQ(Index(), "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n");
}

TEST_F(PlayersIndex, AppendingNeverCreatesTheIndex) {
    EXPECT_FALSE(CPlayersIndex(m_files).Append(m_strDir, {"Bob", "Bob0.ply"}));
    EXPECT_EQ(m_files.m_files.count("players/data"), 0u);
}

TEST_F(PlayersIndex, RewritingReplacesEveryPair) {
    Index() = "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n";
    EXPECT_TRUE(CPlayersIndex(m_files).Rewrite(m_strDir, {{"Bob", "Bob0.ply"}, {"Player 2", ""}}));
    EXPECT_EQ(Index(), "Bob\r\nBob0.ply\r\nPlayer 2\r\n\r\n");
    Entries read;
    EXPECT_TRUE(CPlayersIndex(m_files).Read(m_strDir, read));
    EXPECT_EQ(read, (Entries{{"Bob", "Bob0.ply"}, {"Player 2", ""}}));
}

TEST_F(PlayersIndex, RemovesOnlyPlainPlayerFilesInsideThePlayersDirectory) {
    m_files.m_files["players/Ann0.ply"] = "x";
    m_files.m_files["secret"] = "x";
    const CPlayersIndex index(m_files);
    for (const std::string hostile : {"../secret", "/secret", "..", ".", "", "..\\secret"})
        EXPECT_FALSE(index.RemovePlayerFile(m_strDir, hostile)) << hostile;
    EXPECT_TRUE(m_files.m_touched.empty());
    EXPECT_TRUE(index.RemovePlayerFile(m_strDir, "Ann0.ply"));
    EXPECT_FALSE(index.RemovePlayerFile(m_strDir, "Ann0.ply"));
    EXPECT_EQ(m_files.m_files.count("secret"), 1u);
}

TEST_F(PlayersIndex, HandsOnHostileFileNamesAsTheyAreWithoutTouchingThem) {
    Index() = "Eve\r\n../../etc/passwd\r\n";
    EXPECT_EQ(Fill(), (Entries{{"Eve", "../../etc/passwd"}}));
    EXPECT_TRUE(m_files.TouchedOnlyInside(m_strDir));
}

}  // namespace
