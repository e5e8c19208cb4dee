#include "players/CPlayersIndex.h"

#include "players/CPlayerFileName.h"
#include "players/CTextFile.h"

namespace {

void WriteEntry(CTextFile& file, const SIndexEntry& entry) {
    file.WriteString(entry.strName + "\n");
    file.WriteString(entry.strFile + "\n");
}

// Reads the line pairs of an open index; true when the file ends right after
// a name, so that the name has no file line of its own.
bool ReadEntries(CTextFile& file, std::vector<SIndexEntry>& entries) {
    SIndexEntry entry;
    bool bDangling = false;
    while (file.ReadString(entry.strName)) {
        if (entry.strName.empty()) continue;
        bDangling = !file.ReadString(entry.strFile);
        entries.push_back(entry);
    }
    return bDangling;
}

void ReportUnreadable(const FnMessage& message, const std::string& path) {
    if (message) message("Unable to read the players index " + path + "!", std::string());
}

}  // namespace

CPlayersIndex::CPlayersIndex(IFileSystem& files) : m_files(files) {}

EReadResult CPlayersIndex::Read(const std::string& playersDir,
                                std::vector<SIndexEntry>& entries) const {
    entries.clear();
    CTextFile file(m_files);
    if (!file.Open(playersDir + kFileName, CTextFile::ModeRead))
        return file.ReadFailed() ? EReadResult::Failed : EReadResult::Missing;
    ReadEntries(file, entries);
    file.Close();
    return EReadResult::Read;
}

bool CPlayersIndex::Append(const std::string& playersDir, const SIndexEntry& entry,
                           const FnMessage& message) const {
    const std::string path = playersDir + kFileName;
    CTextFile reader(m_files);
    std::vector<SIndexEntry> entries;
    if (!reader.Open(path, CTextFile::ModeRead)) {
        if (reader.ReadFailed()) ReportUnreadable(message, path);
        return false;
    }
    const bool bDangling = ReadEntries(reader, entries);
    CTextFile file(m_files);
    if (!file.Open(path, CTextFile::ModeAppend)) return false;
    // A last name without its file line gets an empty one first: otherwise
    // the new name would be read as its file and every later pair shifted.
    if (bDangling) file.WriteString("\n");
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
    switch (Read(playersDir, entries)) {
        case EReadResult::Read:
            for (const SIndexEntry& entry : entries)
                if (!skip || !skip(entry)) add(entry);
            return;
        case EReadResult::Failed:  // there, so never emptied
            ReportUnreadable(message, playersDir + kFileName);
            return;
        case EReadResult::Missing:
            break;
    }
    if (!m_files.CreateNew(playersDir + kFileName) && message)
        message("Please re-install Brainwick!", "File Error");
}

bool CPlayersIndex::RemovePlayerFile(const std::string& playersDir, const std::string& file) const {
    const std::string path = CPlayerFileName::PathIn(playersDir, file);
    return !path.empty() && m_files.Remove(path);
}
