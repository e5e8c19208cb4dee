#include "players/CPlayersIndex.h"
#include "players/PlayersTest.h"

namespace {

class PlayersIndex : public PlayersTest {
protected:
    Entries Fill(const CPlayersIndex::FnSkip& skip = {}) {
        Entries added;
        m_index.FillPlayerList(
            kDir, skip, [&](const SIndexEntry& entry) { added.push_back(entry); }, Sink());
        return added;
    }
};

TEST_F(PlayersIndex, ListsTheLinePairsInFileOrderLeavingOutWhatTheSkipRuleRefuses) {
    File("data") = "Ann\r\nAnn0.ply\r\nGuest\r\n\r\n\r\nAnn\r\nAnn1.ply\r\n\r\nBob";
    EXPECT_EQ(Fill(),
              (Entries{{"Ann", "Ann0.ply"}, {"Guest", ""}, {"Ann", "Ann1.ply"}, {"Bob", ""}}));
    EXPECT_EQ(Fill([](const SIndexEntry& entry) { return entry.strName != "Guest"; }),
              (Entries{{"Guest", ""}}));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PlayersIndex, IsCreatedEmptyOnlyWhenMissingAndAnUnreadableOneIsReportedAndKept) {
    EXPECT_FALSE(m_index.Append(kDir, {"Bob", "Bob0.ply"}));  // never creates it
    EXPECT_TRUE(Fill().empty());
    EXPECT_EQ(m_files.m_files.at("players/data"), "");
    m_files.m_unreadable.insert("players/data");
    EXPECT_TRUE(Fill().empty());
    EXPECT_FALSE(m_index.Append(kDir, {"Bob", "Bob0.ply"}, Sink()));
    EXPECT_EQ(File("data"), "");
    m_files = CMemoryFileSystem();
    m_files.m_bRefuseAll = true;
    Fill();
    EXPECT_EQ(m_messages,
              (std::vector<std::string>{"|Unable to read the players index players/data!",
                                        "|Unable to read the players index players/data!",
                                        "File Error|Please re-install Brainwick!"}));
}

TEST_F(PlayersIndex, AppendsKeepingThePairsRewritesAllAndRemovesPlayerFiles) {
    File("Ann0.ply") = "x";  // hostile names are refused in the damaged-input test
    EXPECT_TRUE(m_index.RemovePlayerFile(kDir, "Ann0.ply"));
    EXPECT_FALSE(m_index.RemovePlayerFile(kDir, "Ann0.ply"));
    for (const std::string old : {"Ann\r\nAnn0.ply", "Ann\r\nAnn0.ply\r\nEve", "\r\n\r\nEve\r\n"}) {
        File("data") = old;
        EXPECT_TRUE(m_index.Append(kDir, {"Bob", "Bob0.ply"}));
        Entries entries;
        m_index.Read(kDir, entries);
        EXPECT_EQ(entries.back(), (SIndexEntry{"Bob", "Bob0.ply"})) << old;
    }
    EXPECT_EQ(File("data"), "\r\n\r\nEve\r\n\r\nBob\r\nBob0.ply\r\n");
    EXPECT_TRUE(m_index.Rewrite(kDir, {{"Bob", "Bob0.ply"}, {"Player 2", ""}}));
    EXPECT_EQ(File("data"), "Bob\r\nBob0.ply\r\nPlayer 2\r\n\r\n");
}

}  // namespace
