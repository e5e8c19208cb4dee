#include "players/CPlayersIndex.h"

#include "players/CPlayerFileName.h"
#include "players/CTextFile.h"

namespace {

void WriteEntry(CTextFile& file, const SIndexEntry& entry) {
    file.WriteString(entry.strName + "\n");
    file.WriteString(entry.strFile + "\n");
}

}  // namespace

CPlayersIndex::CPlayersIndex(IFileSystem& files) : m_files(files) {}

bool CPlayersIndex::Read(const std::string& playersDir, std::vector<SIndexEntry>& entries) const {
    entries.clear();
    CTextFile file(m_files);
    if (!file.Open(playersDir + kFileName, CTextFile::ModeRead)) return false;
    SIndexEntry entry;
    while (file.ReadString(entry.strName)) {
        if (entry.strName.empty()) continue;
        file.ReadString(entry.strFile);
        entries.push_back(entry);
    }
    file.Close();
    return true;
}

bool CPlayersIndex::Append(const std::string& playersDir, const SIndexEntry& entry) const {
    CTextFile file(m_files);
    if (!file.Open(playersDir + kFileName, CTextFile::ModeAppend)) return false;
    WriteEntry(file, entry);
    return file.Close();
}

bool CPlayersIndex::Rewrite(const std::string& playersDir,
                            const std::vector<SIndexEntry>& entries) const {
    CTextFile file(m_files);
    file.Open(playersDir + kFileName, CTextFile::ModeCreate);
    for (const SIndexEntry& entry : entries) WriteEntry(file, entry);
    return file.Close();
}

void CPlayersIndex::FillPlayerList(const std::string& playersDir, const FnSkip& skip,
                                   const FnAdd& add, const FnMessage& message) const {
    std::vector<SIndexEntry> entries;
    if (Read(playersDir, entries)) {
        for (const SIndexEntry& entry : entries)
            if (!skip || !skip(entry)) add(entry);
        return;
    }
    // Created only when absent: an index that exists but cannot be read is
    // never emptied.
    if (!m_files.CreateNew(playersDir + kFileName) && message)
        message("Please re-install Brainwick!", "File Error");
}

bool CPlayersIndex::RemovePlayerFile(const std::string& playersDir, const std::string& file) const {
    const std::string path = CPlayerFileName::PathIn(playersDir, file);
    return !path.empty() && m_files.Remove(path);
}
