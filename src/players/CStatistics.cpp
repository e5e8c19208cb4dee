#include "players/CStatistics.h"

#include <climits>

#include "platform/IClock.h"
#include "players/CTextFile.h"
#include "players/TimeText.h"

void CStatistics::AppendReport(std::string& report, bool bCrLf) const {
    const char* eol = LineEnd(bCrLf);
    if (m_nTimesPlayed != 0)
        report += "Number of times game played: " + std::to_string(m_nTimesPlayed) + eol;
    report += m_strEnded + eol + eol;
    report += "Score: " + std::to_string(m_nScore) + eol;
}

void CStatistics::Reset() {
    m_strStarted.clear();
    m_strTitle.clear();
    m_strReserved.clear();
    m_strEnded.clear();
    m_bFinished = false;
    m_nScore = 1;
}

bool CStatistics::Read(CTextFile& file) {
    m_strTitle = ReadLine(file);
    m_strStarted = ReadLine(file);
    m_strEnded = ReadLine(file);
    m_strReserved = ReadLine(file);
    m_bFinished = ParseFlag(ReadLine(file));
    m_nTimesPlayed = ParseNumber(ReadLine(file));
    m_nScore = ParseNumber(ReadLine(file));
    return true;
}

bool CStatistics::Write(CTextFile& file, IClock& clock) {
    WriteLine(file, m_strTitle);
    WriteLine(file, m_strStarted.empty() ? m_strTitle : m_strStarted);
    if (m_strEnded.empty()) m_strEnded = FormatTime(kLastPlayedFormat, clock.LocalNow());
    WriteLine(file, m_strEnded);
    WriteLine(file, m_strReserved);
    WriteLine(file, FlagText(m_bFinished));
    WriteLine(file, std::to_string(m_nTimesPlayed));
    WriteLine(file, std::to_string(m_nScore));
    return true;
}

int CStatistics::ParseNumber(const std::string& line) {
    std::size_t pos = line.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string::npos) return 0;
    const bool negative = line[pos] == '-';
    if (line[pos] == '-' || line[pos] == '+') ++pos;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        value = value * 10 + (line[pos] - '0');
        if (value > limit) value = limit;  // saturate; further digits cannot bring it back
    }
    return static_cast<int>(negative ? -value : value);
}

std::string CStatistics::ReadLine(CTextFile& file) {
    std::string line;
    file.ReadString(line);  // at the end of the file the line stays empty
    return line;
}

void CStatistics::WriteLine(CTextFile& file, const std::string& text) { file.WriteString(text + "\n"); }
