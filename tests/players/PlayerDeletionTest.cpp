#include "players/CPlayerApp.h"
#include "players/CPlayerDeletion.h"
#include "players/CPlayerFileName.h"
#include "players/PlayersTest.h"

namespace {

using Entries = std::vector<SIndexEntry>;

// The players directory holds a file for every entry listed here that has one.
class PlayerDeletion : public PlayersTest {
protected:
    // Lists the entries, chooses those at the given places and deletes them;
    // the rewritten index is returned.
    Entries Delete(const Entries& entries, const std::vector<std::size_t>& chosen) {
        std::vector<SListedPlayer> listed;
        for (const SIndexEntry& entry : entries) {
            if (CPlayerFileName::IsPlain(entry.strFile) &&
                !m_files.m_files.count(kDir + entry.strFile))
                File(entry.strFile) = entry.strName;
            listed.push_back({entry, false});
        }
        for (std::size_t at : chosen) listed.at(at).bChosen = true;
        m_files.m_touched.clear();
        m_deletion.Delete(listed);
        Entries index;
        m_index.Read(kDir, index);
        EXPECT_EQ(index, m_deletion.Remaining());
        return index;
    }
    CGamePlayer& Seat(int nSeat, const std::string& name, const std::string& file) {
        auto& seat = m_app.m_pPlayers[nSeat];
        seat = std::make_unique<CGamePlayer>(m_clock, Sink(), m_files);
        seat->m_strName = name;
        seat->m_strFile = file;
        return *seat;
    }
    bool Exists(const std::string& file) { return m_files.m_files.count(kDir + file) == 1; }

    CPlayerApp m_app{Sink(), [] { return std::string(); }, m_files};
    CPlayerDeletion m_deletion{m_app};
    const CPlayersIndex m_index{m_files};
};

TEST_F(PlayerDeletion, TheGamesPlayersAreNotOfferedAndHeadTheNewIndexACancelledSeatWithNoFile) {
    Seat(0, "Zoe", "Zoe0.ply");
    Seat(1, "Player 2", "");  // its selection was cancelled: preset name, no file
    for (const auto& [entry, bOffered] : std::vector<std::pair<SIndexEntry, bool>>{
             {{"Zoe", "Zoe0.ply"}, false},
             {{"zoe", "zoe0.ply"}, true},  // file names match exactly
             {{"Guest", ""}, true},        // the fileless seat owns no entry
             {{"Ann", "Ann0.ply"}, true}})
        EXPECT_EQ(m_deletion.IsOffered(entry), bOffered) << entry.strFile;
    EXPECT_EQ(Delete({{"Ann", "Ann0.ply"}, {"Guest", ""}, {"zoe", "zoe0.ply"}}, {0}),
              (Entries{{"Zoe", "Zoe0.ply"}, {"Player 2", ""}, {"Guest", ""}, {"zoe", "zoe0.ply"}}));
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_TRUE(Exists("zoe0.ply"));
    EXPECT_TRUE(m_deletion.IndexWritten());
    EXPECT_EQ(m_deletion.FailureText(), "");
}

TEST_F(PlayerDeletion, OfTwoPlayersOfOneNameOnlyTheChosenOnesFileGoes) {
    const Entries anns = {{"Ann", "Ann0.ply"}, {"Ann", "Ann1.ply"}};
    for (std::size_t chosen : {0, 1}) {
        m_files.m_files.clear();
        EXPECT_EQ(Delete(anns, {chosen}), Entries{anns[1 - chosen]});
        EXPECT_EQ(Exists(anns[chosen].strFile), false);
        EXPECT_EQ(Exists(anns[1 - chosen].strFile), true);
    }
}

TEST_F(PlayerDeletion, AFileAlreadyGoneOrNoFileAtAllCountsAsDeletedAndTouchesNothingElse) {
    m_files.m_files.clear();
    // Bob's file went by other means; the others never had a plain file name.
    const Entries entries = {{"Bob", "Bob0.ply"}, {"Guest", ""}, {"Eve", ".."}, {"Max", "../x"}};
    std::vector<SListedPlayer> listed;
    for (const SIndexEntry& entry : entries) listed.push_back({entry, true});
    m_deletion.Delete(listed);
    // Bob's file was asked for, the index rewritten, and nothing else touched.
    EXPECT_EQ(m_files.m_touched,
              (std::vector<std::string>{"players/Bob0.ply", "players/Bob0.ply", "players/data"}));
    EXPECT_EQ(File("data"), "");
    EXPECT_EQ(m_deletion.Failed(), std::vector<std::string>{});
}

TEST_F(PlayerDeletion, AFileThatCannotBeRemovedKeepsItsPlayerListedAndIsNamedOnce) {
    m_files.m_undeletable = {"players/Bob0.ply", "players/Cy0.ply"};
    const Entries entries = {
        {"Ann", "Ann0.ply"}, {"Bob", "Bob0.ply"}, {"Cy", "Cy0.ply"}, {"Dan", "Dan0.ply"}};
    EXPECT_EQ(Delete(entries, {0, 1, 2, 3}), (Entries{{"Bob", "Bob0.ply"}, {"Cy", "Cy0.ply"}}));
    EXPECT_FALSE(Exists("Ann0.ply") || Exists("Dan0.ply"));
    EXPECT_EQ(m_deletion.FailureText(),
              "These players could not be deleted and are kept:\nBob\nCy");
    // A file removed takes every entry naming it, chosen or not.
    EXPECT_EQ(Delete({{"Ann", "Ann0.ply"}, {"Annie", "Ann0.ply"}}, {0}), Entries{});
}

TEST_F(PlayerDeletion, EveryChosenPlayerGoesHoweverManyAndTheFreedNameIsReused) {
    Entries entries;
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < 300; ++i) {
        entries.push_back({"P" + std::to_string(i), "P" + std::to_string(i) + ".ply"});
        if (i != 299) chosen.push_back(i);
    }
    entries.push_back({"Ann", "Ann0.ply"});
    chosen.push_back(300);
    EXPECT_EQ(Delete(entries, chosen), Entries{entries[299]});
    EXPECT_EQ(m_files.m_files.size(), 2u);  // P299.ply and the index
    CGamePlayer ann(m_clock, Sink(), m_files);
    EXPECT_TRUE(ann.CreatePlayerFile("Ann", kDir));
    EXPECT_EQ(ann.m_strFile, "Ann0.ply");
}

TEST_F(PlayerDeletion, AnIndexThatCannotBeRewrittenIsToldAfterTheFilesAreRemoved) {
    File("data") = "Ann\r\nAnn0.ply\r\n";
    File("Ann0.ply") = "Ann";
    m_files.m_bRefuseAll = true;
    m_deletion.Delete({{{"Ann", "Ann0.ply"}, true}});
    EXPECT_FALSE(m_deletion.IndexWritten());
    EXPECT_FALSE(Exists("Ann0.ply"));
    EXPECT_EQ(File("data"), "Ann\r\nAnn0.ply\r\n");
}

}  // namespace
