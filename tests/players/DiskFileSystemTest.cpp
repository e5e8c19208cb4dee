#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <vector>

#include "players/CDiskFileSystem.h"

namespace {

namespace fs = std::filesystem;

// The real disk, full after m_nBudget bytes (a write is cut there); m_bFailFlush fails flushes.
struct CFailingDisk : CDiskFileSystem {
    long m_nBudget = LONG_MAX;
    bool m_bFailFlush = false;

    long WriteSome(int fd, const char* data, std::size_t size) override {
        errno = ENOSPC;
        const std::size_t allowed = std::min(size, static_cast<std::size_t>(m_nBudget));
        const long wrote = allowed == 0 ? -1 : CDiskFileSystem::WriteSome(fd, data, allowed);
        m_nBudget -= std::max(wrote, 0L);
        return wrote;
    }
    bool Flush(int fd) override { return !m_bFailFlush && CDiskFileSystem::Flush(fd); }
};

// A fresh folder on disk holding Ann's two-line file, removed afterwards.
class DiskFileSystem : public testing::Test {
protected:
    DiskFileSystem() {
        std::string pattern = (fs::temp_directory_path() / "tfplayersXXXXXX").string();
        m_strDir = ::mkdtemp(pattern.data()) != nullptr ? pattern + "/" : "/nonexistent/";
        std::ofstream(m_strDir + "Ann0.ply") << kOldFile;
    }
    ~DiskFileSystem() override {
        std::error_code error;
        fs::remove_all(m_strDir, error);
    }
    std::string Get(const std::string& name) {
        std::string bytes;
        m_disk.ReadAll(m_strDir + name, bytes);
        return bytes;
    }
    long Count() const { return std::distance(fs::directory_iterator(m_strDir), {}); }

    const std::string kOldFile = "Ann\r\nAnn0.ply\r\n";
    std::string m_strDir;
    CDiskFileSystem& m_disk = CDiskFileSystem::Instance();
};

TEST_F(DiskFileSystem, AReplaceStoppedAfterAnyNumberOfBytesLeavesTheOldFileWhole) {
    CFailingDisk disk;
    const std::string path = m_strDir + "Ann0.ply", bytes = "Eve\r\nAnn0.ply\r\nStart Game Stats";
    for (long budget = 0; budget <= static_cast<long>(bytes.size()); ++budget) {
        disk.m_nBudget = budget;
        disk.m_bFailFlush = budget == static_cast<long>(bytes.size());
        EXPECT_FALSE(disk.Replace(path, bytes)) << "stopped after " << budget << " bytes";
        EXPECT_EQ(Get("Ann0.ply"), kOldFile);
        EXPECT_EQ(Count(), 1) << "a temporary file was left after " << budget << " bytes";
    }
    EXPECT_TRUE(m_disk.Replace(path, bytes));
    EXPECT_EQ(Get("Ann0.ply"), bytes);
}

TEST_F(DiskFileSystem, CreatingNeverEmptiesAFileAndReplacingKeepsItsPermissions) {
    EXPECT_FALSE(m_disk.CreateNew(m_strDir + "Ann0.ply"));
    EXPECT_EQ(Get("Ann0.ply"), kOldFile);
    ::chmod((m_strDir + "Ann0.ply").c_str(), 0640);
    EXPECT_TRUE(m_disk.Replace(m_strDir + "Ann0.ply", "new"));
    EXPECT_EQ(fs::status(m_strDir + "Ann0.ply").permissions(), fs::perms(0640));
}

// Root passes every permission bit; a folder in a file's place, or a link to itself, fails.
TEST_F(DiskFileSystem, TellsAFileThatIsThereButCannotBeReadFromAMissingOne) {
    std::string bytes = "x";
    EXPECT_EQ(m_disk.ReadAll(m_strDir + "Ann0.ply/x", bytes), EReadResult::Missing);
    fs::create_directory(m_strDir + "Eve0.ply");
    EXPECT_EQ(m_disk.ReadAll(m_strDir + "Eve0.ply", bytes), EReadResult::Failed);
    fs::create_symlink(m_strDir + "Bob0.ply", m_strDir + "Bob0.ply");
    EXPECT_EQ(m_disk.ReadAll(m_strDir + "Bob0.ply", bytes), EReadResult::Failed);
    EXPECT_EQ(bytes, "");
}

// Process 1 always runs; no process id reaches 99999999.
TEST_F(DiskFileSystem, RemovesOnlyTheTemporariesOfSavesThatNoRunningProcessWillFinish) {
    const std::vector<std::string> stale{".Ann0.ply.tmp99999999-1",
                                         ".x.tmp" + std::to_string(::getpid()) + "-2"};
    const std::vector<std::string> kept{".data.tmp1-3", ".Ann0.ply.tmp", "Ann0.ply.tmp99999999-1",
                                        ".x.tmp5-"};
    for (const auto& names : {stale, kept})
        for (const std::string& name : names) std::ofstream(m_strDir + name) << "x";
    m_disk.RemoveStaleTemporaries(m_strDir);
    for (const std::string& name : stale) EXPECT_FALSE(fs::exists(m_strDir + name)) << name;
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(m_strDir + name)) << name;
    EXPECT_TRUE(fs::exists(m_strDir + "Ann0.ply"));
}

}  // namespace
