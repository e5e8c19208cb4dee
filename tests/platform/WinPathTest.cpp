#include <gtest/gtest.h>

#include "platform/WinPath.h"

TEST(WinPath, BackslashFoldersBecomeLocalFolders) {
    EXPECT_EQ(ToLocalPath("data\\shoop.wav"), "data/shoop.wav");
    EXPECT_EQ(ToLocalPath("Data\\Sound.dat"), "data/Sound.dat");
    EXPECT_EQ(ToLocalPath("players\\data"), "players/data");
}

TEST(WinPath, OnlyTheLeadingDataFolderChangesCase) {
    EXPECT_EQ(ToLocalPath("players\\Data\\X.ply"), "players/Data/X.ply");
    EXPECT_EQ(ToLocalPath("Database"), "Database");
}
