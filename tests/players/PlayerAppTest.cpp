#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "players/TestTimes.h"
#include "support/CFixedClock.h"

namespace {

class PlayerApp : public testing::Test {
protected:
    std::unique_ptr<CPlayerApp> MakeApp(const std::string& currentDir = "/games/tf") {
        return std::make_unique<CPlayerApp>(
            [this](const std::string& text, const std::string& caption) {
                m_messages.push_back(caption + "|" + text);
            },
            [currentDir] { return currentDir; }, m_files);
    }
    std::string& Settings() { return m_files.m_files["/games/tf/data/Sound.dat"]; }

    CMemoryFileSystem m_files;
    std::vector<std::string> m_messages;
};

struct SSettingsCase {
    const char* bytes;  // null for no settings file
    bool bSound;
};

class PlayerAppSettings : public PlayerApp, public testing::WithParamInterface<SSettingsCase> {};

TEST_P(PlayerAppSettings, SwitchSoundsOnOnlyWhenTheFirstLineIsExactlyTRUE) {
    if (GetParam().bytes != nullptr) Settings() = GetParam().bytes;
    auto app = MakeApp();
    EXPECT_TRUE(app->InitInstance({}));
    EXPECT_EQ(app->m_bSound, GetParam().bSound) << (GetParam().bytes ? GetParam().bytes : "none");
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
    auto app = MakeApp();
    app->InitInstance({});
    EXPECT_EQ(app->m_strAppDir, "/games/tf/");
    EXPECT_EQ(app->PlayersDir(), "/games/tf/players/");
    EXPECT_EQ(app->AppPath("data\\ASMD.A"), "/games/tf/data/ASMD.A");
}

TEST_F(PlayerApp, KeepsTheWorkingDirectorysOwnNameAsItIs) {
    auto app = MakeApp("/home/Data\\x");
    app->InitInstance({});
    EXPECT_EQ(app->AppPath("Data\\Sound.dat"), "/home/Data\\x/data/Sound.dat");
}

TEST_F(PlayerApp, RefusesACommandLineAndRunsOnWithSoundsOffAndRelativePaths) {
    Settings() = "TRUE\r\n";
    auto app = MakeApp();
    EXPECT_FALSE(app->InitInstance({"game.sav"}));
    EXPECT_EQ(m_messages, std::vector<std::string>{"|Please start a saved game after startup!"});
    EXPECT_FALSE(app->m_bSound);
    EXPECT_EQ(app->m_strAppDir, "");
    EXPECT_EQ(app->PlayersDir(), "players/");
    app->m_bSound = true;
    app->ExitInstance();
    EXPECT_EQ(m_files.m_files["data/Sound.dat"], "TRUE\r\n");
}

TEST_F(PlayerApp, WritesTheSoundSwitchBackAtExit) {
    auto app = MakeApp();
    app->InitInstance({});
    EXPECT_FALSE(app->m_bSound);
    app->m_bSound = true;
    EXPECT_EQ(app->ExitInstance(), 0);
    EXPECT_EQ(Settings(), "TRUE\r\n");
    app->m_bSound = false;
    app->ExitInstance();
    EXPECT_EQ(Settings(), "FALSE\r\n");
}

TEST_F(PlayerApp, SkipsASettingsFileThatCannotBeWritten) {
    Settings() = "TRUE\r\n";
    auto app = MakeApp();
    app->InitInstance({});
    app->m_bSound = false;
    m_files.m_bRefuseAll = true;
    app->ExitInstance();
    EXPECT_EQ(Settings(), "TRUE\r\n");
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(PlayerApp, KnowsThePlayerFilesOfTheCurrentGame) {
    CFixedClock clock(March7th1999(12, 0));
    auto app = MakeApp();
    app->m_pPlayers[1] = std::make_unique<CGamePlayer>(clock);
    app->m_pPlayers[1]->m_strFile = "Bob0.ply";
    EXPECT_TRUE(app->IsCurrentPlayerFile("Bob0.ply"));
    EXPECT_FALSE(app->IsCurrentPlayerFile("bob0.ply"));
    EXPECT_FALSE(app->IsCurrentPlayerFile("Ann0.ply"));
}

}  // namespace
