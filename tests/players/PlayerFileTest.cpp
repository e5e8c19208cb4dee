#include "players/CPlayerFileName.h"
#include "players/PlayersTest.h"

namespace {

using PlayerFile = PlayersTest;

TEST_F(PlayerFile, SkipsLinesOutsideRecordsAndReadsTheLinesMissingFromACutRecordAsEmpty) {
    const std::string nineLines = "t\r\ns\r\ne\r\n\r\nFALSE\r\n3\r\n57\r\nFALSE\r\nBob\r\n";
    Load("Ann\r\nAnn0.ply\r\nEnd Game Stats\r\nstray\r\nstart game stats\r\nStart Game Stats\r\n" +
         kRecordLines + "End Game Stats\r\nmore stray\r\nStart Game Stats\r\n" + nineLines);
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
    m_player.Save(kDir);
    EXPECT_EQ(File("Ann0.ply"), kOneRecordFile + "Start Game Stats\r\n" + nineLines +
                                    "0\r\n0\r\n0\r\n0\r\nEnd Game Stats\r\n");
}

// A second line naming another file, the index here, never redirects the save.
TEST_F(PlayerFile, FailuresAreReportedNamingTheFileAndNoneIsSavedOverButItsOwn) {
    File("data") = "Ann\r\nAnn0.ply\r\n";
    Load("Eve\r\ndata\r\n");
    EXPECT_TRUE(m_player.Save(kDir));
    EXPECT_EQ(File("Ann0.ply") + File("data"), "Eve\r\nAnn0.ply\r\nAnn\r\nAnn0.ply\r\n");
    m_files.m_unreadable.insert("players/Ann0.ply");
    EXPECT_FALSE(Load(kOneRecordFile));
    m_player.StartStats("game");
    EXPECT_FALSE(m_player.Save(kDir));
    EXPECT_EQ(File("Ann0.ply"), kOneRecordFile);
    m_player.m_strFile = "Ann1.ply";
    m_files.m_bRefuseAll = true;
    EXPECT_FALSE(m_player.Save(kDir));
    m_player.m_strFile.clear();  // a guest: nowhere to save, nothing to say
    EXPECT_TRUE(m_player.Save(kDir));
    EXPECT_EQ(m_messages,
              (std::vector<std::string>{"|Unable to read the player file players/Ann0.ply!",
                                        "|Unable to save the player file players/Ann0.ply!",
                                        "|Unable to save the player file players/Ann1.ply!"}));
}

TEST_F(PlayerFile, IsCreatedAtTheFirstNumberWithoutAFileForTheStem) {
    File("Ann1.ply") = kOneRecordFile;
    const std::pair<const char*, const char*> created[] = {
        {"Ann", "Ann0.ply"}, {"Ann", "Ann2.ply"}, {"Mary Ann", "Mary0.ply"}, {"Mary", "Mary1.ply"}};
    for (const auto& [name, file] : created) {
        EXPECT_TRUE(m_player.CreatePlayerFile(name, kDir));
        EXPECT_EQ(m_player.m_strName + m_player.m_strFile + File(file), std::string(name) + file);
    }
    EXPECT_EQ(File("Ann1.ply"), kOneRecordFile);
    m_files.m_bRefuseAll = true;
    EXPECT_FALSE(m_player.CreatePlayerFile("Bob", kDir));
    EXPECT_EQ(m_player.m_strFile, "Mary1.ply");
    EXPECT_EQ(m_files.m_touched.back(), "players/Bob99.ply");
}

// The 18 replaced characters come five at a time, so that none is cut. A cut
// never splits a UTF-8 character; a byte that starts none counts as one.
TEST(PlayerFileStem, IsTheNameMadeSafeAndCutToFiveCharactersAtMost) {
    const std::pair<const char*, const char*> names[] = {
        {"Mary Ann", "Mary"}, {"Jonathan", "Jona"}, {"Bob's", "Bob_s"}, {"Alicia", "Alic"},
        {"Annabel", "Annab"}, {"a*?b", "a*?b"},     {" {}[]", "_____"}, {";~`!.", "_____"},
        {"/+=\\|", "_____"},  {":\"'", "___"}};
    for (const auto& [name, stem] : names) EXPECT_EQ(CPlayerFileName::Stem(name), stem) << name;
    EXPECT_EQ(CPlayerFileName::Stem("\xC3\x89lo\xC3\xAFse"), "\xC3\x89lo\xC3\xAF");
    EXPECT_EQ(CPlayerFileName::Stem("\xF0\x9F\x98\x80\xE6\x9D\x8Exyz\xF0\x9F\x98\x80y"),
              "\xF0\x9F\x98\x80\xE6\x9D\x8Exyz");
    EXPECT_EQ(CPlayerFileName::Stem("\xFF\xFE\xC3xyz"), "\xFF\xFE\xC3x");
}

}  // namespace
