#include <climits>
#include <clocale>
#include <functional>
#include <utility>

#include "players/CTextFile.h"
#include "players/PlayersTest.h"
#include "players/TimeText.h"

namespace {

class GameRecords : public PlayersTest {
protected:
    // The 13 lines the record writes.
    std::string Written(CGameStats& stats) {
        CTextFile file(m_files);
        file.Open("f", CTextFile::ModeCreate);
        stats.Write(file, m_clock);
        file.Close();
        return m_files.m_files["f"];
    }
};

TEST_F(GameRecords, StartingOpensACurrentRecordThatEndingClosesLeavingEarlierOnesOpen) {
    m_player.StartStats("first");
    m_player.StartStats("Quick game");
    ASSERT_EQ(m_player.m_records.size(), 2u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(1));
    m_clock.Set(March7th1999(14, 31));
    m_player.EndStats("the computer", true, false);
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
    EXPECT_EQ(Written(Record(1)),
              "Quick game\r\n03/07/99 at 02:05:09 PM\r\nGame was finished on Sunday, 03/07/99 at "
              "02:31 PM\r\n\r\nTRUE\r\n0\r\n1\r\nFALSE\r\nthe computer\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(Record(0).m_strEnded, "");
    EXPECT_FALSE(Record(0).m_bFinished);
}

TEST_F(GameRecords, AGameWrittenInProgressGetsALastPlayedTextThatEndingReplaces) {
    m_player.StartStats("game");
    m_clock.Set(March7th1999(14, 20));
    const std::string lastPlayed = "Last played this game on Sunday, 03/07/99 at 02:20 PM";
    EXPECT_NE(Written(Record(0)).find("PM\r\n" + lastPlayed + "\r\n"), std::string::npos);
    EXPECT_EQ(Record(0).m_strEnded, lastPlayed);  // kept until the game ends
    m_clock.Set(March7th1999(14, 31));
    m_player.EndStats("Bob", false, true);
    Record(0).m_strStarted.clear();  // no start time: the title stands in
    EXPECT_EQ(Written(Record(0)).find(
                  "game\r\ngame\r\nGame was played on Sunday, 03/07/99 at 02:31 PM\r\n"),
              0u);
}

TEST_F(GameRecords, ARecordCutOffAfterLineNineReadsTheRestAsZero) {
    const std::string nineLines = "t\r\ns\r\ne\r\n\r\nFALSE\r\n0\r\n57\r\nFALSE\r\nBob\r\n";
    Loaded("Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + nineLines);
    EXPECT_EQ(Written(Record(0)), nineLines + "0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(GameRecords, ResetRestoresEveryDefaultButKeepsTheTimesPlayed) {
    Loaded(kOneRecordFile);
    Record(0).m_strReserved = "reserved";
    Record(0).m_nOperatorHints = 4;
    Record(0).m_nTimesPlayed = 3;
    Record(0).Reset();
    CGameStats fresh;
    fresh.m_nTimesPlayed = 3;
    EXPECT_EQ(Written(Record(0)), Written(fresh));
}

TEST_F(GameRecords, TheScoreNeverGoesBelowOne) {
    m_player.StartStats("game");
    for (const auto& [score, stored] : std::vector<std::pair<int, int>>{
             {57, 57}, {0, 1}, {-12, 1}, {INT_MIN, 1}, {INT_MAX, INT_MAX}}) {
        m_player.SetScore(score);
        EXPECT_EQ(Record(0).m_nScore, stored) << score;
    }
}

const std::pair<std::function<void(CGamePlayer&)>, int CGameStats::*> kCounts[] = {
    {[](CGamePlayer& p) { p.AddPass(); }, &CGameStats::m_nPasses},
    {[](CGamePlayer& p) { p.AddMissedMove(); }, &CGameStats::m_nMissedMoves},
    {[](CGamePlayer& p) { p.AddOperatorHint(); }, &CGameStats::m_nOperatorHints},
    {[](CGamePlayer& p) { p.AddOptimalHint(); }, &CGameStats::m_nOptimalHints},
};

TEST_F(GameRecords, EachCountGoesUpByOneAndStopsAtTheTopOfTheRange) {
    m_player.StartStats("game");
    for (const auto& [update, count] : kCounts) {
        update(m_player);
        update(m_player);
        EXPECT_EQ(Record(0).*count, 2);
        Record(0).*count = INT_MAX;
        update(m_player);
        EXPECT_EQ(Record(0).*count, INT_MAX);
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(GameRecords, UpdatesWithoutACurrentRecordTellTheUserAndChangeNothing) {
    m_player.StartStats("game");
    m_player.EndStats("", false, true);
    m_player.EndStats("Bob", true, false);  // ending needs no current record: silently nothing
    for (const auto& [update, count] : kCounts) update(m_player);
    m_player.SetScore(5);
    EXPECT_EQ(m_messages, std::vector<std::string>(5, "|No m_pCurrentStats!"));
    for (const auto& [update, count] : kCounts) EXPECT_EQ(Record(0).*count, 0);
    EXPECT_EQ(Record(0).m_nScore, 1);
    EXPECT_EQ(Record(0).m_strOpponent, "");
}

TEST_F(GameRecords, RemovingRecordsSparesTheGameInProgressAndLeavesNoDanglingCurrent) {
    for (const char* title : {"a", "b", "current"}) {
        m_player.EndStats("", true, true);
        m_player.StartStats(title);
    }
    m_player.RemoveRecord(m_player.m_records[0].get());
    EXPECT_EQ(Record(0).m_strTitle, "b");
    m_player.RemoveAllButCurrent();
    ASSERT_EQ(m_player.m_records.size(), 1u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(0));
    m_player.RemoveRecord(m_player.m_pCurrentStats);
    EXPECT_TRUE(m_player.m_records.empty());
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
}

using SNumberCase = std::pair<std::string, int>;

class RecordNumberLine : public testing::TestWithParam<SNumberCase> {};

TEST_P(RecordNumberLine, ReadsLikeADecimalConversionClampedTo32Bits) {
    EXPECT_EQ(CStatistics::ParseNumber(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Lines, RecordNumberLine,
                         testing::Values(SNumberCase{"12abc", 12}, SNumberCase{"  \t-42", -42},
                                         SNumberCase{"+8", 8}, SNumberCase{"", 0},
                                         SNumberCase{"- 5", 0}, SNumberCase{"2147483647", INT_MAX},
                                         SNumberCase{"2147483648", INT_MAX},
                                         SNumberCase{"99999999999999999999999", INT_MAX},
                                         SNumberCase{"-2147483648", INT_MIN},
                                         SNumberCase{"-99999999999999999999999", INT_MIN}));

TEST(RecordFlagLine, IsFalseOnlyWhenExactlyFALSE) {
    for (const char* line : {"TRUE", "true", "false", "", "FALSE "})
        EXPECT_TRUE(CStatistics::ParseFlag(line)) << line;
    EXPECT_FALSE(CStatistics::ParseFlag("FALSE"));
}

TEST(StartTime, IsWrittenAsStrftimeDoesInTheCLocaleWhateverTheProcessLocale) {
    std::setlocale(LC_ALL, "");  // whatever the environment asks for
    for (const auto& [hour, text] : std::vector<std::pair<int, std::string>>{
             {0, "12:05:09 AM"}, {12, "12:05:09 PM"}, {23, "11:05:09 PM"}})
        EXPECT_EQ(
            FormatTime(CStatistics::kStartedFormat + std::string(" %A"), March7th1999(hour, 5, 9)),
            "03/07/99 at " + text + " Sunday");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
