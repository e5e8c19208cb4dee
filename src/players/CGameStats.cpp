#include "players/CGameStats.h"

#include "players/CTextFile.h"

namespace {

std::string Times(const char* what, int count) {
    return std::string(what) + " " + std::to_string(count) + " time(s)";
}

}  // namespace

void CGameStats::AppendReport(std::string& report, bool bCrLf) const {
    CStatistics::AppendReport(report, bCrLf);
    const char* eol = LineEnd(bCrLf);
    report += m_strOpponent.empty() ? std::string("The game was played against an unknown player.")
                                    : "The game was played against " + m_strOpponent + ".";
    report += eol;
    report += std::string("The player...") + eol;
    report += m_bDidNotWin ? "did not win the game" : "earned the highest score";
    report += eol;
    report += Times("missed the optimal move", m_nMissedMoves) + eol;
    report += Times("passed a turn", m_nPasses) + eol;
    report += Times("took the operator hint", m_nOperatorHints) + eol;
    report += Times("took the optimal hint", m_nOptimalHints) + eol;
}

void CGameStats::Reset() {
    CStatistics::Reset();
    m_bDidNotWin = true;
    m_nMissedMoves = 0;
    m_strOpponent.clear();
    m_nPasses = 0;
    m_nOperatorHints = 0;
    m_nOptimalHints = 0;
    m_strCode.clear();
}

bool CGameStats::Read(CTextFile& file) {
    CStatistics::Read(file);
    m_bDidNotWin = ParseFlag(ReadLine(file));
    m_strOpponent = ReadLine(file);
    m_nMissedMoves = ParseNumber(ReadLine(file));
    m_nPasses = ParseNumber(ReadLine(file));
    m_nOperatorHints = ParseNumber(ReadLine(file));
    m_nOptimalHints = ParseNumber(ReadLine(file));
    return true;
}

bool CGameStats::Write(CTextFile& file, IClock& clock) {
    CStatistics::Write(file, clock);
    WriteLine(file, FlagText(m_bDidNotWin));
    WriteLine(file, m_strOpponent);
    WriteLine(file, std::to_string(m_nMissedMoves));
    WriteLine(file, std::to_string(m_nPasses));
    WriteLine(file, std::to_string(m_nOperatorHints));
    WriteLine(file, std::to_string(m_nOptimalHints));
    return true;
}
