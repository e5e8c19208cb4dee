#include "players/CTextFile.h"

CTextFile::CTextFile(IFileSystem& files) : m_files(files) {}

bool CTextFile::Open(const std::string& path, EOpen mode) {
    m_strPath = path;
    m_strBuffer.clear();
    m_nPos = 0;
    m_eMode = mode;
    m_bReadFailed = false;
    if (mode == ModeCreate) {
        m_bOpen = true;
        return true;
    }
    const EReadResult result = m_files.ReadAll(path, m_strBuffer);
    m_bOpen = result == EReadResult::Read;
    m_bReadFailed = result == EReadResult::Failed;
    // An appended line must not run on from a last line without its end.
    if (m_bOpen && mode == ModeAppend && !m_strBuffer.empty() && m_strBuffer.back() != '\n')
        m_strBuffer += "\r\n";
    return m_bOpen;
}

bool CTextFile::ReadString(std::string& line) {
    line.clear();
    if (!m_bOpen || m_eMode != ModeRead || m_nPos >= m_strBuffer.size()) return false;
    const std::size_t lineFeed = m_strBuffer.find('\n', m_nPos);
    std::size_t end = lineFeed == std::string::npos ? m_strBuffer.size() : lineFeed;
    const std::size_t next = lineFeed == std::string::npos ? end : lineFeed + 1;
    if (lineFeed != std::string::npos && end > m_nPos && m_strBuffer[end - 1] == '\r') --end;
    line.assign(m_strBuffer, m_nPos, end - m_nPos);
    m_nPos = next;
    return true;
}

void CTextFile::WriteString(const std::string& text) {
    if (!m_bOpen || m_eMode == ModeRead) return;
    for (const char c : text) {
        if (c == '\n') m_strBuffer += '\r';
        m_strBuffer += c;
    }
}

bool CTextFile::Close() {
    if (!m_bOpen) return false;
    m_bOpen = false;
    bool ok = true;
    if (m_eMode != ModeRead) ok = m_files.Replace(m_strPath, m_strBuffer);
    m_strBuffer.clear();
    m_strBuffer.shrink_to_fit();
    return ok;
}
