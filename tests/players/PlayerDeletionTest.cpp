#include "players/CPlayerApp.h"
#include "players/CPlayerDeletion.h"
#include "players/PlayersTest.h"

namespace {

class PlayerDeletion : public PlayersTest {
protected:
    // Lists the entries (with files unless bNoFiles), deletes those chosen; the index as rewritten.
    Entries Delete(const Entries& entries, const std::vector<std::size_t>& chosen,
                   bool bNoFiles = false) {
        std::vector<SListedPlayer> listed;
        for (const SIndexEntry& entry : entries) {
            if (!bNoFiles) File(entry.strFile) = entry.strName;
            listed.push_back({entry, false});
        }
        for (std::size_t at : chosen) listed.at(at).bChosen = true;
        m_files.m_touched.clear();
        m_deletion.Delete(listed);
        m_touched = m_files.m_touched;
        Entries index;
        m_index.Read(kDir, index);
        EXPECT_EQ(index, m_deletion.Remaining());
        return index;
    }

    std::vector<std::string> m_touched;  // by the last deletion
    CPlayerApp m_app{Sink(), [] { return std::string(); }, m_files};
    CPlayerDeletion m_deletion{m_app};
};

TEST_F(PlayerDeletion, TheGamesPlayersAreNotOfferedAndHeadTheIndexASeatWithoutAFileIsNone) {
    for (auto [nSeat, name, file] : {std::tuple(0, "Zoe", "Zoe0.ply"), {1, "Player 2", ""}}) {
        m_app.m_pPlayers[nSeat] = std::make_unique<CGamePlayer>(m_clock, Sink(), m_files);
        m_app.m_pPlayers[nSeat]->m_strName = name;
        m_app.m_pPlayers[nSeat]->m_strFile = file;
    }
    // File names match exactly; the seat without a file (cancelled) owns no entry and gets none.
    const Entries offered = {{"Ann", "Ann0.ply"}, {"Guest", ""}, {"zoe", "zoe0.ply"}};
    EXPECT_FALSE(m_deletion.IsOffered({"Zoe", "Zoe0.ply"}));
    for (const SIndexEntry& entry : offered) EXPECT_TRUE(m_deletion.IsOffered(entry));
    EXPECT_EQ(Delete(offered, {0}),
              (Entries{{"Zoe", "Zoe0.ply"}, {"Guest", ""}, {"zoe", "zoe0.ply"}}));
    EXPECT_TRUE(m_deletion.IndexWritten());
}

TEST_F(PlayerDeletion, AFileGoneAlreadyOrNoneAtAllCountsAsDeletedAndNothingElseIsTouched) {
    // Bob's file went by other means; Guest, Eve and Max never had a plain file name.
    Delete({{"Bob", "Bob0.ply"}, {"Guest", ""}, {"Eve", ".."}, {"Max", "../x"}}, {0, 1, 2, 3},
           true);
    EXPECT_EQ(m_touched,
              (std::vector<std::string>{"players/Bob0.ply", "players/Bob0.ply", "players/data"}));
    EXPECT_EQ(File("data"), "");
    EXPECT_TRUE(m_deletion.Failed().empty());
}

TEST_F(PlayerDeletion, AChosenPlayerWhoseFileStaysIsKeptAndARemovedFileTakesEveryEntryNamingIt) {
    m_files.m_undeletable = {"players/Eve0.ply"};
    EXPECT_EQ(Delete({{"Ann", "Ann0.ply"}, {"Annie", "Ann0.ply"}, {"Eve", "Eve0.ply"}}, {0, 2}),
              (Entries{{"Eve", "Eve0.ply"}}));
    EXPECT_EQ(m_deletion.FailureText(), "These players could not be deleted and are kept:\nEve");
}

}  // namespace
