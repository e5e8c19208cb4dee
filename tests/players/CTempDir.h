#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
// Path() ends in "/", as the players directory does.
class CTempDir {
public:
    CTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tfplayersXXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) m_strPath = pattern + "/";
    }
    ~CTempDir() {
        std::error_code error;
        if (!m_strPath.empty()) std::filesystem::remove_all(m_strPath, error);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_strPath; }

    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_strPath + name, std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) const {
        std::ifstream in(m_strPath + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(m_strPath + name); }
    // How many entries the folder holds, hidden ones included.
    int Count() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_strPath)) {
            (void)entry;
            ++count;
        }
        return count;
    }

private:
    std::string m_strPath;
};
