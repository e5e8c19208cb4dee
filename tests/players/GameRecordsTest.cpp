#include <climits>
#include <clocale>

#include "players/CStatsReport.h"
#include "players/PlayersTest.h"
#include "players/TimeText.h"

namespace {

using GameRecords = PlayersTest;

// The counts a game keeps, and how often the test bumps each.
const std::pair<void (CGamePlayer::*)(), int> kCounts[] = {{&CGamePlayer::AddMissedMove, 2},
                                                           {&CGamePlayer::AddPass, 1},
                                                           {&CGamePlayer::AddOperatorHint, 3},
                                                           {&CGamePlayer::AddOptimalHint, 4}};

TEST_F(GameRecords, AreOpenedCountedAndClosedWithTheirTimesAndSaved) {
    Load("Ann\r\nAnn0.ply\r\n");
    m_player.StartStats("Quick game");
    m_player.m_pCurrentStats->m_nPasses = INT_MAX - 1;  // counts stop at the top of the range
    for (const auto& [update, times] : kCounts)
        for (int i = 0; i < times; ++i) (m_player.*update)();
    m_player.SetScore(0);
    EXPECT_EQ(Record(0).m_nScore, 1);
    m_player.SetScore(57);
    m_clock.Set(Time("1999-03-07 14:31:00"));
    m_player.EndStats("the computer", true, false);
    m_player.StartStats("c");
    m_player.m_pCurrentStats->m_strStarted.clear();  // the title stands in
    m_player.EndStats("Bob", false, true);
    m_player.Save(kDir);
    EXPECT_EQ(File("Ann0.ply"),
              "Ann\r\nAnn0.ply\r\nStart Game Stats\r\nQuick game\r\n"
              "03/07/99 at 02:05:09 PM\r\nGame was finished on Sunday, 03/07/99 at 02:31 PM\r\n"
              "\r\nTRUE\r\n0\r\n57\r\nFALSE\r\nthe computer\r\n2\r\n2147483647\r\n3\r\n4\r\n"
              "End Game Stats\r\nStart Game Stats\r\nc\r\nc\r\n"
              "Game was played on Sunday, 03/07/99 at 02:31 PM\r\n\r\nFALSE\r\n0\r\n1\r\nTRUE\r\n"
              "Bob\r\n0\r\n0\r\n0\r\n0\r\nEnd Game Stats\r\n");
}

TEST_F(GameRecords, RemovingRecordsSparesTheGameInProgressAndLeavesNoDanglingCurrent) {
    for (const char* title : {"a", "b", "current"}) m_player.StartStats(title);
    m_player.RemoveRecord(m_player.m_records[0].get());
    EXPECT_EQ(Record(0).m_strTitle, "b");
    m_player.RemoveAllButCurrent();
    ASSERT_EQ(m_player.m_records.size(), 1u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(0));
    m_player.RemoveRecord(m_player.m_pCurrentStats);
    EXPECT_TRUE(m_player.m_records.empty());
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
}

TEST(RecordLine, NumbersReadAsDecimalsClampedTo32BitsAndFlagsAreFalseOnlyAsFALSE) {
    const std::pair<const char*, int> numbers[] = {{"12abc", 12},
                                                   {"  \t-42", -42},
                                                   {"+8", 8},
                                                   {"2147483648", INT_MAX},
                                                   {"-2147483648", INT_MIN}};
    for (const auto& [line, number] : numbers) EXPECT_EQ(CStatistics::ParseNumber(line), number);
    for (const char* line : {"TRUE", "true", "false", "", "FALSE "})
        EXPECT_TRUE(CStatistics::ParseFlag(line)) << line;
    EXPECT_FALSE(CStatistics::ParseFlag("FALSE"));
}

TEST(TimeText, IsWrittenAsStrftimeDoesInTheCLocaleWhateverTheProcessLocale) {
    std::setlocale(LC_ALL, "");  // whatever the environment asks for
    const std::pair<const char*, const char*> times[] = {
        {"1998-12-31 23:59:01", "Thursday, 12/31/98 at 11:59:01 PM"},
        {"2000-02-29 00:00:00", "Tuesday, 02/29/00 at 12:00:00 AM"},
        {"2031-01-09 12:30:45", "Thursday, 01/09/31 at 12:30:45 PM"}};
    for (const auto& [time, text] : times)
        EXPECT_EQ(FormatTime(std::string("%A, ") + CStatistics::kStartedFormat, Time(time)), text);
    std::setlocale(LC_ALL, "C");
}

const std::string kFinishedReport =
    "BRAINWICK GAME STATISTICS\r\n\r\nGame Title: 16 pieces, + - x /, positive numbers\r\n"
    "Game Player: Ann\r\n\r\nGame was finished on Sunday, 03/07/99 at 02:31 PM\r\n\r\nScore: 57\r\n"
    "The game was played against the computer.\r\nThe player...\r\nearned the highest score\r\n"
    "missed the optimal move 2 time(s)\r\npassed a turn 1 time(s)\r\n"
    "took the operator hint 0 time(s)\r\ntook the optimal hint 3 time(s)\r\n";

// LF ends, the printed file, an unknown opponent and times played: the dialog's test.
TEST_F(GameRecords, ReportIsBuiltLineByLineAndResetKeepsOnlyTheTimesPlayed) {
    Load(kOneRecordFile);
    std::string report = "before";
    CStatsReport::BuildReport(report, "Ann", Record(0), true);
    EXPECT_EQ(report, "before" + kFinishedReport);
    Record(0).m_strReserved = "reserved";
    Record(0).m_nTimesPlayed = 3;
    Record(0).Reset();
    m_player.Save(kDir);
    EXPECT_EQ(File("Ann0.ply"),
              "Ann\r\nAnn0.ply\r\nStart Game Stats\r\n\r\n\r\n"
              "Last played this game on Sunday, 03/07/99 at 02:05 PM\r\n\r\nFALSE\r\n3\r\n1\r\n"
              "TRUE\r\n\r\n0\r\n0\r\n0\r\n0\r\nEnd Game Stats\r\n");
}

}  // namespace
