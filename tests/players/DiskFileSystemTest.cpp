#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/CFailingDisk.h"
#include "players/CGamePlayer.h"
#include "players/CPlayersIndex.h"
#include "players/CTempDir.h"
#include "players/TestTimes.h"
#include "support/CFixedClock.h"

namespace {

const std::string kOldFile = "Ann\r\nAnn0.ply\r\n";

struct SMessages {
    std::vector<std::string> texts;
    FnMessage Sink() {
        return [this](const std::string& text, const std::string&) { texts.push_back(text); };
    }
};

TEST(DiskFileSystem, ASaveStoppedAfterAnyNumberOfBytesLeavesTheOldFileWhole) {
    CTempDir dir;
    dir.Put("Ann0.ply", kOldFile);
    CFixedClock clock(March7th1999(14, 5, 9));
    CFailingDisk disk;
    SMessages messages;
    CGamePlayer player(clock, messages.Sink(), disk);
    player.m_strName = "Ann";
    player.m_strFile = "Ann0.ply";
    player.StartStats("Quick game");
    player.EndStats("the computer", true, false);

    // A save that may run to its end shows how many bytes a whole save writes.
    CTempDir probe;
    probe.Put("Ann0.ply", kOldFile);
    ASSERT_TRUE(player.Save(probe.Path()));
    const std::string whole = probe.Get("Ann0.ply");
    ASSERT_GT(whole.size(), kOldFile.size());

    for (long budget = 0; budget < static_cast<long>(whole.size()); ++budget) {
        disk.m_nBudget = budget;
        disk.m_nPiece = 7;  // short writes too, so every byte count is reached
        EXPECT_FALSE(player.Save(dir.Path())) << budget;
        ASSERT_EQ(dir.Get("Ann0.ply"), kOldFile) << "stopped after " << budget << " bytes";
        ASSERT_EQ(dir.Count(), 1) << "a temporary file was left after " << budget << " bytes";
    }
    EXPECT_EQ(messages.texts.size(), whole.size());
    disk.m_nBudget = static_cast<long>(whole.size());
    EXPECT_TRUE(player.Save(dir.Path()));
    EXPECT_EQ(dir.Get("Ann0.ply"), whole);
    EXPECT_EQ(dir.Count(), 1);
}

TEST(DiskFileSystem, AFailedFlushLeavesTheOldFileAndNoTemporaryFile) {
    CTempDir dir;
    dir.Put("data", "Ann\r\nAnn0.ply\r\n");
    CFailingDisk disk;
    disk.m_bFailFlush = true;
    EXPECT_FALSE(CPlayersIndex(disk).Append(dir.Path(), {"Bob", "Bob0.ply"}));
    EXPECT_EQ(dir.Get("data"), "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(dir.Count(), 1);
}

TEST(DiskFileSystem, AnIndexAppendStoppedPartWayLeavesTheOldIndex) {
    CTempDir dir;
    const std::string oldIndex = "Ann\r\nAnn0.ply\r\n";
    dir.Put("data", oldIndex);
    CFailingDisk disk;
    const std::size_t whole = oldIndex.size() + std::string("Bob\r\nBob0.ply\r\n").size();
    for (long budget = 0; budget < static_cast<long>(whole); ++budget) {
        disk.m_nBudget = budget;
        EXPECT_FALSE(CPlayersIndex(disk).Append(dir.Path(), {"Bob", "Bob0.ply"}));
        ASSERT_EQ(dir.Get("data"), oldIndex) << budget;
    }
    EXPECT_EQ(dir.Count(), 1);
}

TEST(DiskFileSystem, CreatingNeverEmptiesAFileThatExists) {
    CTempDir dir;
    dir.Put("Ann0.ply", kOldFile);
    EXPECT_FALSE(CDiskFileSystem::Instance().CreateNew(dir.Path() + "Ann0.ply"));
    EXPECT_EQ(dir.Get("Ann0.ply"), kOldFile);
    EXPECT_TRUE(CDiskFileSystem::Instance().CreateNew(dir.Path() + "Ann1.ply"));
    EXPECT_EQ(dir.Get("Ann1.ply"), "");
}

TEST(DiskFileSystem, AFolderCannotBeReadAsAFile) {
    CTempDir dir;
    std::string bytes = "stale";
    EXPECT_FALSE(CDiskFileSystem::Instance().ReadAll(dir.Path(), bytes));
    EXPECT_EQ(bytes, "");
}

TEST(DiskFileSystem, ReplacingInAMissingFolderFailsWithoutCreatingIt) {
    CTempDir dir;
    EXPECT_FALSE(CDiskFileSystem::Instance().Replace(dir.Path() + "players/data", "x"));
    EXPECT_EQ(dir.Count(), 0);
}

}  // namespace
