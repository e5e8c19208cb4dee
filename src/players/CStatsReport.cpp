#include "players/CStatsReport.h"

#include "players/CStatistics.h"

void CStatsReport::BuildReport(std::string& report, const std::string& playerName,
                               const CStatistics& record, bool bCrLf) {
    const char* eol = CStatistics::LineEnd(bCrLf);
    report += std::string("BRAINWICK GAME STATISTICS") + eol + eol;
    report += "Game Title: " + record.m_strTitle + eol;
    report += "Game Player: " + playerName + eol + eol;
    record.AppendReport(report, bCrLf);
}
