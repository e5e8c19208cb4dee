#pragma once

#include <cstddef>
#include <string>

#include "players/CDiskFileSystem.h"

// The line file used for every file of the players: lines end in LF or CR LF
// when read and in CR LF when written, text is kept as the bytes given.
// Writing collects the text and replaces the file in one step on Close, so a
// file is either wholly old or wholly new.
class CTextFile {
public:
    enum EOpen {
        ModeRead,    // an existing file
        ModeCreate,  // a new or emptied file
        ModeAppend,  // an existing file, written on at its end; never created
    };

    explicit CTextFile(IFileSystem& files = CDiskFileSystem::Instance());
    virtual ~CTextFile() = default;  // an unclosed write is dropped, the file untouched
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // False when the file cannot be read (ModeRead, ModeAppend); ReadFailed
    // then tells a file that is there but unreadable from a missing one.
    bool Open(const std::string& path, EOpen mode);
    bool ReadFailed() const { return m_bReadFailed; }
    // The next line without its line end; false, with line empty, when none is left.
    virtual bool ReadString(std::string& line);
    // Writes text unchanged except that each "\n" is stored as CR LF.
    void WriteString(const std::string& text);
    // Commits what was written; false when the file could not be written.
    bool Close();

    bool IsOpen() const { return m_bOpen; }
    const std::string& Path() const { return m_strPath; }

private:
    IFileSystem& m_files;
    std::string m_strPath;
    std::string m_strBuffer;  // the file read, or the bytes to write
    std::size_t m_nPos = 0;
    EOpen m_eMode = ModeRead;
    bool m_bOpen = false;
    bool m_bReadFailed = false;
};
