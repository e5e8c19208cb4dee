#pragma once

#include <string>

class CTextFile;
class IClock;

// What any game records: when and what was played, how it ended, the score.
// Stored as the first 7 of a record's lines in the player file.
class CStatistics {
public:
    static constexpr const char* kStartedFormat = "%m/%d/%y at %I:%M:%S %p";
    static constexpr const char* kFinishedFormat = "Game was finished on %A, %m/%d/%y at %I:%M %p";
    static constexpr const char* kPlayedFormat = "Game was played on %A, %m/%d/%y at %I:%M %p";
    static constexpr const char* kLastPlayedFormat =
        "Last played this game on %A, %m/%d/%y at %I:%M %p";

    CStatistics() = default;
    virtual ~CStatistics() = default;

    // Appends this record's own report lines, each ended by CR LF or LF.
    virtual void AppendReport(std::string& report, bool bCrLf) const;
    // Back to the defaults; the times-played count is kept.
    virtual void Reset();
    // Reads the record's lines; lines missing at the end of the file read empty.
    virtual bool Read(CTextFile& file);
    // Writes the record's lines, giving an open game its last-played end text first.
    virtual bool Write(CTextFile& file, IClock& clock);

    // The line rules of the file, shared by the records.
    static const char* LineEnd(bool bCrLf) { return bCrLf ? "\r\n" : "\n"; }
    static bool ParseFlag(const std::string& line) { return line != "FALSE"; }
    static const char* FlagText(bool bFlag) { return bFlag ? "TRUE" : "FALSE"; }
    // Decimal like atoi: blanks, a sign, digits up to the first other
    // character; 0 without digits; beyond 32 bits, the nearest 32-bit value.
    static int ParseNumber(const std::string& line);

    std::string m_strStarted;
    std::string m_strTitle;
    std::string m_strReserved;
    std::string m_strEnded;
    bool m_bFinished = false;
    int m_nScore = 1;
    int m_nTimesPlayed = 0;

protected:
    static std::string ReadLine(CTextFile& file);
    static void WriteLine(CTextFile& file, const std::string& text);
};
