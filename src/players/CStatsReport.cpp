#include "players/CStatsReport.h"

#include "players/CStatistics.h"
#include "players/CTextFile.h"

void CStatsReport::BuildReport(std::string& report, const std::string& playerName,
                               const CStatistics& record, bool bCrLf) {
    const char* eol = CStatistics::LineEnd(bCrLf);
    report += std::string("BRAINWICK GAME STATISTICS") + eol + eol;
    report += "Game Title: " + record.m_strTitle + eol;
    report += "Game Player: " + playerName + eol + eol;
    record.AppendReport(report, bCrLf);
}

bool CStatsReport::WriteFile(const std::string& playersDir, const std::string& report,
                             IFileSystem& files) {
    CTextFile file(files);
    file.Open(playersDir + kFileName, CTextFile::ModeCreate);
    file.WriteString(report);
    return file.Close();
}
