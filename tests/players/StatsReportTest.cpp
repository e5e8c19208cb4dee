#include "players/CStatsReport.h"
#include "players/PlayersTest.h"

namespace {

const char* const kFinishedReport =
    "BRAINWICK GAME STATISTICS||"
    "Game Title: 16 pieces, + - x /, positive numbers|"
    "Game Player: Ann||"
    "Game was finished on Sunday, 03/07/99 at 02:31 PM||"
    "Score: 57|"
    "The game was played against the computer.|"
    "The player...|"
    "earned the highest score|"
    "missed the optimal move 2 time(s)|"
    "passed a turn 1 time(s)|"
    "took the operator hint 0 time(s)|"
    "took the optimal hint 3 time(s)|";

std::string WithLineEnds(const std::string& text, bool bCrLf) {
    std::string result;
    for (const char c : text) result += c == '|' ? (bCrLf ? "\r\n" : "\n") : std::string(1, c);
    return result;
}

class StatsReport : public PlayersTest {
protected:
    StatsReport() { Loaded(kOneRecordFile); }
    std::string Report(bool bCrLf, std::string report = "") {
        CStatsReport::BuildReport(report, m_player.m_strName, Record(0), bCrLf);
        return report;
    }
};

TEST_F(StatsReport, OfTheLoadedRecordExampleReadsLineByLineWithTheChosenLineEnd) {
    for (const bool bCrLf : {true, false})
        EXPECT_EQ(Report(bCrLf, "before"), "before" + WithLineEnds(kFinishedReport, bCrLf));
    // The two fields the report leaves out.
    EXPECT_EQ(Record(0).m_strStarted, "03/07/99 at 02:05:09 PM");
    EXPECT_TRUE(Record(0).m_bFinished);
}

TEST_F(StatsReport, NamesAnUnknownOpponentALossAndTheTimesPlayedWhenNotZero) {
    Record(0).m_strOpponent.clear();
    Record(0).m_bDidNotWin = true;
    Record(0).m_nTimesPlayed = 4;
    const std::string report = Report(false);
    EXPECT_NE(report.find("Game Player: Ann\n\nNumber of times game played: 4\nGame was finished"),
              std::string::npos);
    EXPECT_NE(report.find("\nThe game was played against an unknown player.\n"
                          "The player...\ndid not win the game\n"),
              std::string::npos);
}

TEST_F(StatsReport, IsWrittenForPrintingWithCrLfOnDisk) {
    EXPECT_TRUE(CStatsReport::WriteFile(kDir, Report(false), m_files));
    EXPECT_EQ(m_files.m_files["players/stats.txt"], WithLineEnds(kFinishedReport, true));
    m_files.m_bRefuseAll = true;
    EXPECT_FALSE(CStatsReport::WriteFile(kDir, "x\n", m_files));
}

}  // namespace
