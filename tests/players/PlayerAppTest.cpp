#include "players/CPlayerApp.h"
#include "players/PlayersTest.h"

namespace {

class PlayerApp : public PlayersTest {
protected:
    std::string& Settings() { return m_files.m_files["/games/tf/data/Sound.dat"]; }

    CPlayerApp m_app{Sink(), [] { return std::string("/games/tf"); }, m_files};
};

TEST_F(PlayerApp, StartsWithSoundsOnOnlyWhenTheSettingsFileStartsWithTheLineTRUE) {
    const std::vector<const char*> files[] = {
        {"FALSE\r\n", "true\r\n", "TRUE \r\n", "\r\nTRUE", ""}, {"TRUE\r\nFALSE\r\n", "TRUE"}};
    for (const bool bSound : {false, true})
        for (const char* bytes : files[bSound]) {
            Settings() = bytes;
            EXPECT_TRUE(m_app.InitInstance({}));
            EXPECT_EQ(m_app.m_bSound, bSound) << bytes;
        }
    m_files.m_files.clear();
    EXPECT_TRUE(m_app.InitInstance({}));
    EXPECT_FALSE(m_app.m_bSound);
    EXPECT_EQ(m_app.PlayersDir(), "/games/tf/players/");
    EXPECT_EQ(m_files.m_cleaned.at(0), "/games/tf/players/");  // of saves cut short
    EXPECT_EQ(m_files.m_cleaned.at(1), "/games/tf/data/");
    m_files.m_unreadable.insert("/games/tf/data/Sound.dat");
    EXPECT_TRUE(m_app.InitInstance({}));
    EXPECT_EQ(m_messages, std::vector<std::string>{
                              "|Unable to read the settings file /games/tf/data/Sound.dat!"});
}

TEST_F(PlayerApp, RefusesACommandLineRunsOnWithSoundsOffAndRelativePathsKnowsItsPlayersFiles) {
    Settings() = "TRUE\r\n";
    EXPECT_FALSE(m_app.InitInstance({"game.sav"}));
    EXPECT_EQ(m_messages, std::vector<std::string>{"|Please start a saved game after startup!"});
    EXPECT_FALSE(m_app.m_bSound);
    EXPECT_EQ(m_app.PlayersDir(), "players/");
    m_app.m_pPlayers[1] = std::make_unique<CGamePlayer>(m_clock);
    m_app.m_pPlayers[1]->m_strFile = "Ann0.ply";
    EXPECT_TRUE(m_app.IsCurrentPlayerFile("Ann0.ply"));
    EXPECT_FALSE(m_app.IsCurrentPlayerFile("Ann1.ply"));
}

TEST_F(PlayerApp, WritesTheSoundSwitchBackAtExitOrSilentlySkipsIt) {
    m_app.InitInstance({});
    for (const bool bSound : {true, false}) {
        m_app.m_bSound = bSound;
        EXPECT_EQ(m_app.ExitInstance(), 0);
        EXPECT_EQ(Settings(), bSound ? "TRUE\r\n" : "FALSE\r\n");
    }
    m_app.m_bSound = true;
    m_files.m_bRefuseAll = true;
    m_app.ExitInstance();
    EXPECT_EQ(Settings(), "FALSE\r\n");
    EXPECT_TRUE(m_messages.empty());
}

}  // namespace
