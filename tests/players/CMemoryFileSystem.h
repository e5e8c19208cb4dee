#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "players/IFileSystem.h"

// Files kept in memory. Every path asked for is recorded, so a test can check that nothing
// outside a folder was touched. Files in m_unreadable cannot be read, those in m_undeletable
// cannot be removed; with m_bRefuseAll none can be made or written.
class CMemoryFileSystem : public IFileSystem {
public:
    EReadResult ReadAll(const std::string& path, std::string& bytes) override {
        m_touched.push_back(path);
        const bool bRead = m_files.count(path) == 1 && m_unreadable.count(path) == 0;
        bytes = bRead ? m_files[path] : std::string();
        if (bRead) return EReadResult::Read;
        return m_unreadable.count(path) ? EReadResult::Failed : EReadResult::Missing;
    }
    bool CreateNew(const std::string& path) override {
        m_touched.push_back(path);
        return !m_unreadable.count(path) && !m_bRefuseAll && m_files.emplace(path, "").second;
    }
    bool Replace(const std::string& path, const std::string& bytes) override {
        m_touched.push_back(path);
        if (!m_bRefuseAll) m_files[path] = bytes;
        return !m_bRefuseAll;
    }
    bool Remove(const std::string& path) override {
        m_touched.push_back(path);
        return m_undeletable.count(path) == 0 && m_files.erase(path) == 1;
    }
    void RemoveStaleTemporaries(const std::string& folder) override { m_cleaned.push_back(folder); }

    // True when every path touched so far names a file directly in folder
    // (no deeper path, no "." or "..", no way out by a backslash either).
    bool TouchedOnlyInside(const std::string& folder) const {
        for (const std::string& path : m_touched) {
            const std::string name = path.rfind(folder, 0) == 0 ? path.substr(folder.size()) : "/";
            if (name.empty() || name == "." || name == ".." ||
                name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
                return false;
        }
        return true;
    }

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_unreadable;
    std::set<std::string> m_undeletable;
    bool m_bRefuseAll = false;
    std::vector<std::string> m_touched;
    std::vector<std::string> m_cleaned;  // folders cleared of stale temporaries
};
