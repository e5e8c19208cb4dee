#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "players/CDiskFileSystem.h"
#include "players/PlayersTest.h"

namespace {

// The real disk, but the device "fills up" after m_nBudget bytes; a write
// that reaches the limit is cut short. m_bFailFlush fails the flush.
class CFailingDisk : public CDiskFileSystem {
public:
    long m_nBudget = LONG_MAX;
    bool m_bFailFlush = false;

protected:
    long WriteSome(int fd, const char* data, std::size_t size) override {
        if (m_nBudget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const long wrote = CDiskFileSystem::WriteSome(
            fd, data, std::min(size, static_cast<std::size_t>(m_nBudget)));
        if (wrote > 0) m_nBudget -= wrote;
        return wrote;
    }
    bool Flush(int fd) override { return !m_bFailFlush && CDiskFileSystem::Flush(fd); }
};

// A fresh folder on disk holding Ann's two-line file, removed afterwards.
class DiskFileSystem : public PlayersTest {
protected:
    DiskFileSystem() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tfplayersXXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) m_strDir = pattern + "/";
        std::ofstream(m_strDir + "Ann0.ply", std::ios::binary) << kOldFile;
    }
    ~DiskFileSystem() override {
        std::error_code error;
        if (!m_strDir.empty()) std::filesystem::remove_all(m_strDir, error);
    }
    std::string Get(const std::string& name) const {
        std::ifstream in(m_strDir + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    long Count() const {
        const std::filesystem::directory_iterator entries(m_strDir);
        return std::distance(begin(entries), end(entries));
    }

    const std::string kOldFile = "Ann\r\nAnn0.ply\r\n";
    std::string m_strDir;
};

TEST_F(DiskFileSystem, ASaveStoppedAfterAnyNumberOfBytesLeavesTheOldFileWhole) {
    CFailingDisk disk;
    CGamePlayer player(m_clock, Sink(), disk);
    player.m_strName = "Ann";
    player.m_strFile = "Ann0.ply";
    player.StartStats("Quick game");
    long budget = 0;
    for (disk.m_nBudget = 0; !player.Save(m_strDir); disk.m_nBudget = ++budget) {
        ASSERT_EQ(Get("Ann0.ply"), kOldFile) << "stopped after " << budget << " bytes";
        ASSERT_EQ(Count(), 1) << "a temporary file was left after " << budget << " bytes";
        ASSERT_LT(budget, 1000) << "a save that never succeeds";
    }
    const std::string whole = Get("Ann0.ply");
    EXPECT_EQ(whole,
              "Ann\r\nAnn0.ply\r\nStart Game Stats\r\nQuick game\r\n03/07/99 at 02:05:09 PM\r\n"
              "Last played this game on Sunday, 03/07/99 at 02:05 PM\r\n\r\nFALSE\r\n0\r\n1\r\n"
              "TRUE\r\n\r\n0\r\n0\r\n0\r\n0\r\nEnd Game Stats\r\n");
    EXPECT_EQ(static_cast<long>(whole.size()), budget);  // so every shorter save failed
    EXPECT_EQ(m_messages.size(), whole.size());
    disk.m_nBudget = LONG_MAX;
    disk.m_bFailFlush = true;
    player.EndStats("Bob", true, true);
    EXPECT_FALSE(player.Save(m_strDir));
    EXPECT_EQ(Get("Ann0.ply"), whole);
    EXPECT_EQ(Count(), 1);
}

TEST_F(DiskFileSystem, CreatingNeverEmptiesAFileThatExists) {
    EXPECT_FALSE(CDiskFileSystem::Instance().CreateNew(m_strDir + "Ann0.ply"));
    EXPECT_EQ(Get("Ann0.ply"), kOldFile);
    EXPECT_TRUE(CDiskFileSystem::Instance().CreateNew(m_strDir + "Ann1.ply"));
    EXPECT_EQ(Get("Ann1.ply"), "");
}

}  // namespace
