#pragma once

#include <string>

#include "players/CDiskFileSystem.h"

class CStatistics;

// The statistics report of one game record, as shown in the statistics
// window (CR LF line ends) and written to "stats.txt" for printing (LF).
class CStatsReport {
public:
    static constexpr const char* kFileName = "stats.txt";

    // Appends the heading, the title and the player's name, then the record's own lines.
    static void BuildReport(std::string& report, const std::string& playerName,
                            const CStatistics& record, bool bCrLf);
    // Writes a report built with LF line ends to "stats.txt" in the players
    // directory (CR LF on disk); false when it cannot be written.
    static bool WriteFile(const std::string& playersDir, const std::string& report,
                          IFileSystem& files = CDiskFileSystem::Instance());
};
