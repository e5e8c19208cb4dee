#include "players/CPlayersIndex.h"
#include "players/PlayersTest.h"

namespace {

using Entries = std::vector<SIndexEntry>;

class PlayersIndex : public PlayersTest {
protected:
    Entries Fill(const CPlayersIndex::FnSkip& skip = {}) {
        Entries added;
        m_index.FillPlayerList(
            kDir, skip, [&](const SIndexEntry& entry) { added.push_back(entry); }, Sink());
        return added;
    }
    std::string& Index() { return m_files.m_files["players/data"]; }

    const CPlayersIndex m_index{m_files};
};

TEST_F(PlayersIndex, ListsTheLinePairsInFileOrderLeavingOutWhatTheSkipRuleRefuses) {
    Index() = "Ann\r\nAnn0.ply\r\nMary Ann\r\nMary0.ply\r\nGuest\r\n\r\nAnn\r\nAnn1.ply\r\n";
    EXPECT_EQ(
        Fill(),
        (Entries{
            {"Ann", "Ann0.ply"}, {"Mary Ann", "Mary0.ply"}, {"Guest", ""}, {"Ann", "Ann1.ply"}}));
    EXPECT_EQ(Fill([](const SIndexEntry& entry) { return entry.strName != "Guest"; }),
              (Entries{{"Guest", ""}}));
    Index() = "\nAnn\nAnn0.ply\n\n\nBob";  // empty name lines, a last name without its file
    EXPECT_EQ(Fill(), (Entries{{"Ann", "Ann0.ply"}, {"Bob", ""}}));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PlayersIndex, IsCreatedEmptyOnlyWhenMissingAndOtherwiseAsksForAReinstall) {
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(m_files.m_files.at("players/data"), "");
    EXPECT_TRUE(m_messages.empty());
    Index() = "Ann\r\nAnn0.ply\r\n";
    m_files.m_unreadable.insert("players/data");
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(Index(), "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(m_messages, std::vector<std::string>{"File Error|Please re-install Brainwick!"});
}

TEST_F(PlayersIndex, AppendingAddsAPairToAnExistingIndexAndRewritingReplacesAll) {
    EXPECT_FALSE(m_index.Append(kDir, {"Bob", "Bob0.ply"}));
    EXPECT_EQ(m_files.m_files.count("players/data"), 0u);
    Index() = "Ann\r\nAnn0.ply";
    EXPECT_TRUE(m_index.Append(kDir, {"Bob", "Bob0.ply"}));
    EXPECT_EQ(Index(), "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n");
    EXPECT_TRUE(m_index.Rewrite(kDir, {{"Bob", "Bob0.ply"}, {"Player 2", ""}}));
    EXPECT_EQ(Index(), "Bob\r\nBob0.ply\r\nPlayer 2\r\n\r\n");
}

TEST_F(PlayersIndex, RemovesOnlyPlainPlayerFilesInsideThePlayersDirectory) {
    m_files.m_files["players/Ann0.ply"] = "x";
    for (const std::string hostile : {"../secret", "/secret", "..", ".", "", "..\\secret"})
        EXPECT_FALSE(m_index.RemovePlayerFile(kDir, hostile)) << hostile;
    EXPECT_TRUE(m_files.m_touched.empty());
    EXPECT_TRUE(m_index.RemovePlayerFile(kDir, "Ann0.ply"));
    EXPECT_FALSE(m_index.RemovePlayerFile(kDir, "Ann0.ply"));
}

}  // namespace
