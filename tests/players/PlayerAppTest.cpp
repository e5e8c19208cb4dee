#include <utility>

#include "players/CPlayerApp.h"
#include "players/PlayersTest.h"

namespace {

class PlayerApp : public PlayersTest {
protected:
    std::string& Settings() { return m_files.m_files["/games/tf/data/Sound.dat"]; }

    CPlayerApp m_app{Sink(), [] { return std::string("/games/tf"); }, m_files};
};

// Settings file bytes, or null for none, and whether they switch sounds on.
using SSettingsCase = std::pair<const char*, bool>;

class PlayerAppSettings : public PlayerApp, public testing::WithParamInterface<SSettingsCase> {};

TEST_P(PlayerAppSettings, SwitchSoundsOnOnlyWhenTheFirstLineIsExactlyTRUE) {
    if (GetParam().first != nullptr) Settings() = GetParam().first;
    EXPECT_TRUE(m_app.InitInstance({}));
    EXPECT_EQ(m_app.m_bSound, GetParam().second);
    EXPECT_TRUE(m_messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlayerAppSettings,
    testing::Values(SSettingsCase{"TRUE\r\n", true}, SSettingsCase{"TRUE\n", true},
                    SSettingsCase{"TRUE", true}, SSettingsCase{"TRUE\r\nFALSE\r\n", true},
                    SSettingsCase{"FALSE\r\n", false}, SSettingsCase{"true\r\n", false},
                    SSettingsCase{"TRUE \r\n", false}, SSettingsCase{" TRUE\r\n", false},
                    SSettingsCase{"\r\nTRUE\r\n", false}, SSettingsCase{"", false},
                    SSettingsCase{nullptr, false}));

TEST_F(PlayerApp, TakesTheProgramDirectoryFromTheWorkingDirectory) {
    m_app.InitInstance({});
    EXPECT_EQ(m_app.m_strAppDir, "/games/tf/");
    EXPECT_EQ(m_app.PlayersDir(), "/games/tf/players/");
    EXPECT_EQ(m_app.AppPath("data\\ASMD.A"), "/games/tf/data/ASMD.A");
}

TEST_F(PlayerApp, RefusesACommandLineAndRunsOnWithSoundsOffAndRelativePaths) {
    Settings() = "TRUE\r\n";
    EXPECT_FALSE(m_app.InitInstance({"game.sav"}));
    EXPECT_EQ(m_messages, std::vector<std::string>{"|Please start a saved game after startup!"});
    EXPECT_FALSE(m_app.m_bSound);
    EXPECT_EQ(m_app.PlayersDir(), "players/");
    m_app.m_bSound = true;
    m_app.ExitInstance();
    EXPECT_EQ(m_files.m_files["data/Sound.dat"], "TRUE\r\n");
}

TEST_F(PlayerApp, WritesTheSoundSwitchBackAtExitOrSilentlySkipsIt) {
    m_app.InitInstance({});
    m_app.m_bSound = true;
    EXPECT_EQ(m_app.ExitInstance(), 0);
    EXPECT_EQ(Settings(), "TRUE\r\n");
    m_app.m_bSound = false;
    m_app.ExitInstance();
    EXPECT_EQ(Settings(), "FALSE\r\n");
    m_app.m_bSound = true;
    m_files.m_bRefuseAll = true;
    m_app.ExitInstance();
    EXPECT_EQ(Settings(), "FALSE\r\n");
    EXPECT_TRUE(m_messages.empty());
}

}  // namespace
