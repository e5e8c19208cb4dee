#include <gtest/gtest.h>

#include <string>

#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CStatsReport.h"

namespace {

CGameStats FinishedGame() {
    CGameStats stats;
    stats.m_strTitle = "16 pieces, + - x /, positive numbers";
    stats.m_strStarted = "03/07/99 at 02:05:09 PM";
    stats.m_strEnded = "Game was finished on Sunday, 03/07/99 at 02:31 PM";
    stats.m_bFinished = true;
    stats.m_nScore = 57;
    stats.m_bDidNotWin = false;
    stats.m_strOpponent = "the computer";
    stats.m_nMissedMoves = 2;
    stats.m_nPasses = 1;
    stats.m_nOperatorHints = 0;
    stats.m_nOptimalHints = 3;
    return stats;
}

const char* const kFinishedReport =
    "BRAINWICK GAME STATISTICS|"
    "|"
    "Game Title: 16 pieces, + - x /, positive numbers|"
    "Game Player: Ann|"
    "|"
    "Game was finished on Sunday, 03/07/99 at 02:31 PM|"
    "|"
    "Score: 57|"
    "The game was played against the computer.|"
    "The player...|"
    "earned the highest score|"
    "missed the optimal move 2 time(s)|"
    "passed a turn 1 time(s)|"
    "took the operator hint 0 time(s)|"
    "took the optimal hint 3 time(s)|";

std::string WithLineEnds(std::string text, const std::string& eol) {
    std::string result;
    for (const char c : text) result += c == '|' ? eol : std::string(1, c);
    return result;
}

class StatsReport : public testing::TestWithParam<bool> {};

TEST_P(StatsReport, ReadsLineByLineWithTheChosenLineEnd) {
    const bool bCrLf = GetParam();
    std::string report = "before";
    CStatsReport::BuildReport(report, "Ann", FinishedGame(), bCrLf);
    EXPECT_EQ(report, "before" + WithLineEnds(kFinishedReport, bCrLf ? "\r\n" : "\n"));
}

INSTANTIATE_TEST_SUITE_P(LineEnds, StatsReport, testing::Values(true, false));

TEST(StatsReport, NamesAnUnknownPlayerWhenThereIsNoOpponent) {
    CGameStats stats = FinishedGame();
    stats.m_strOpponent.clear();
    stats.m_bDidNotWin = true;
    std::string report;
    CStatsReport::BuildReport(report, "Ann", stats, false);
    EXPECT_NE(report.find("\nThe game was played against an unknown player.\n"
                          "The player...\ndid not win the game\n"),
              std::string::npos);
}

TEST(StatsReport, TellsTheTimesPlayedRightAfterThePlayerWhenNotZero) {
    CGameStats stats = FinishedGame();
    stats.m_nTimesPlayed = 4;
    std::string report;
    CStatsReport::BuildReport(report, "Ann", stats, false);
    EXPECT_NE(report.find("Game Player: Ann\n\nNumber of times game played: 4\n"
                          "Game was finished"),
              std::string::npos);
}

TEST(StatsReport, IsWrittenForPrintingWithCrLfOnDisk) {
    std::string report;
    CStatsReport::BuildReport(report, "Ann", FinishedGame(), false);
    CMemoryFileSystem files;
    EXPECT_TRUE(CStatsReport::WriteFile("players/", report, files));
    EXPECT_EQ(files.m_files["players/stats.txt"], WithLineEnds(kFinishedReport, "\r\n"));
    files.m_bRefuseAll = true;
    EXPECT_FALSE(CStatsReport::WriteFile("players/", report, files));
}

}  // namespace
