#include "players/CPlayerApp.h"
#include "players/PlayersTest.h"

namespace {

class PlayerApp : public PlayersTest {
protected:
    std::string& Settings() { return m_files.m_files["/games/tf/data/Sound.dat"]; }

    CPlayerApp m_app{Sink(), [] { return std::string("/games/tf"); }, m_files};
};

// Sounds are on only when the first line is exactly TRUE; the switch goes back at exit.
TEST_F(PlayerApp, KeepsTheSoundSwitchInTheSettingsFileAndClearsUpSavesCutShort) {
    for (const auto& [bytes, bSound] :
         {std::pair("TRUE", true), {"TRUE \r\n", false}, {"\r\nTRUE", false}}) {
        Settings() = bytes;
        EXPECT_TRUE(m_app.InitInstance({}));
        EXPECT_EQ(m_app.m_bSound, bSound) << bytes;
    }
    EXPECT_EQ(m_app.PlayersDir(), "/games/tf/players/");
    EXPECT_EQ(m_files.m_cleaned.at(0), "/games/tf/players/");
    m_app.m_bSound = true;
    EXPECT_EQ(m_app.ExitInstance(), 0);
    EXPECT_EQ(Settings(), "TRUE\r\n");
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

}  // namespace
