#include <gtest/gtest.h>

#include "platform/WinPath.h"

// Backslash folders become local ones; only a leading "Data" folder changes its case.
TEST(WinPath, BackslashFoldersBecomeLocalFoldersAndDataLowerCase) {
    EXPECT_EQ(ToLocalPath("Data\\Sound.dat"), "data/Sound.dat");
    EXPECT_EQ(ToLocalPath("players\\Data\\X.ply"), "players/Data/X.ply");
    EXPECT_EQ(ToLocalPath("Database"), "Database");
}
