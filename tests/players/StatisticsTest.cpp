#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CTextFile.h"
#include "players/TestTimes.h"
#include "players/TimeText.h"

namespace {

struct SNumberCase {
    std::string line;
    int value;
};

class RecordNumberLine : public testing::TestWithParam<SNumberCase> {};

TEST_P(RecordNumberLine, ReadsLikeADecimalConversion) {
    EXPECT_EQ(CStatistics::ParseNumber(GetParam().line), GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordNumberLine,
    testing::Values(SNumberCase{"57", 57}, SNumberCase{"12abc", 12}, SNumberCase{"  \t42", 42},
                    SNumberCase{"-3", -3}, SNumberCase{"+8", 8}, SNumberCase{"", 0},
                    SNumberCase{"abc", 0}, SNumberCase{"- 5", 0}, SNumberCase{"5 6", 5},
                    SNumberCase{"2147483647", INT_MAX}, SNumberCase{"2147483648", INT_MAX},
                    SNumberCase{"99999999999999999999999", INT_MAX},
                    SNumberCase{"-2147483648", INT_MIN}, SNumberCase{"-2147483649", INT_MIN},
                    SNumberCase{"-99999999999999999999999", INT_MIN}));

TEST(RecordFlagLine, IsFalseOnlyWhenExactlyFALSE) {
    EXPECT_FALSE(CStatistics::ParseFlag("FALSE"));
    EXPECT_TRUE(CStatistics::ParseFlag("TRUE"));
    EXPECT_TRUE(CStatistics::ParseFlag("true"));
    EXPECT_TRUE(CStatistics::ParseFlag("false"));
    EXPECT_TRUE(CStatistics::ParseFlag(""));
    EXPECT_TRUE(CStatistics::ParseFlag("FALSE "));
}

TEST(GameStats, StartsWithTheDefaults) {
    const CGameStats stats;
    EXPECT_EQ(stats.m_nScore, 1);
    EXPECT_TRUE(stats.m_bDidNotWin);
    EXPECT_FALSE(stats.m_bFinished);
    EXPECT_EQ(stats.m_nTimesPlayed, 0);
    EXPECT_EQ(stats.m_strStarted + stats.m_strTitle + stats.m_strEnded + stats.m_strOpponent, "");
    EXPECT_EQ(stats.m_nMissedMoves + stats.m_nPasses + stats.m_nOperatorHints + stats.m_nOptimalHints,
              0);
}

TEST(GameStats, ResetRestoresTheDefaultsButKeepsTheTimesPlayed) {
    CGameStats stats;
    stats.m_strTitle = "t";
    stats.m_strOpponent = "o";
    stats.m_nScore = 9;
    stats.m_bDidNotWin = false;
    stats.m_bFinished = true;
    stats.m_nPasses = 4;
    stats.m_nOptimalHints = 2;
    stats.m_nTimesPlayed = 3;
    stats.Reset();
    EXPECT_EQ(stats.m_strTitle, "");
    EXPECT_EQ(stats.m_strOpponent, "");
    EXPECT_EQ(stats.m_nScore, 1);
    EXPECT_TRUE(stats.m_bDidNotWin);
    EXPECT_FALSE(stats.m_bFinished);
    EXPECT_EQ(stats.m_nPasses + stats.m_nOptimalHints, 0);
    EXPECT_EQ(stats.m_nTimesPlayed, 3);
}

// A record read from the given lines, over one whose counts were not zero.
CGameStats ReadRecord(const std::string& lines) {
    CMemoryFileSystem files;
    files.m_files["f"] = lines;
    CTextFile file(files);
    file.Open("f", CTextFile::ModeRead);
    CGameStats stats;
    stats.m_nPasses = 5;
    stats.m_nMissedMoves = 5;
    EXPECT_TRUE(stats.Read(file));
    return stats;
}

TEST(GameStats, ARecordCutOffAfterLineNineReadsTheRestAsZero) {
    const CGameStats stats = ReadRecord("t\r\ns\r\ne\r\n\r\nFALSE\r\n0\r\n57\r\nFALSE\r\nBob\r\n");
    EXPECT_EQ(stats.m_strOpponent, "Bob");
    EXPECT_EQ(stats.m_nScore, 57);
    EXPECT_FALSE(stats.m_bDidNotWin);
    EXPECT_EQ(stats.m_nMissedMoves, 0);
    EXPECT_EQ(stats.m_nPasses, 0);
    EXPECT_EQ(stats.m_nOperatorHints, 0);
    EXPECT_EQ(stats.m_nOptimalHints, 0);
}

TEST(GameStats, AnEmptyFileReadsEmptyTextsTrueFlagsAndZeros) {
    const CGameStats stats = ReadRecord("");
    EXPECT_TRUE(stats.m_bFinished);
    EXPECT_TRUE(stats.m_bDidNotWin);
    EXPECT_EQ(stats.m_nScore, 0);
    EXPECT_EQ(stats.m_strTitle, "");
}

struct STimeCase {
    int hour;
    const char* text;
};

class TimeStamp : public testing::TestWithParam<STimeCase> {};

TEST_P(TimeStamp, UsesTwelveHourClockWithAmAndPm) {
    EXPECT_EQ(FormatTime(CStatistics::kStartedFormat, March7th1999(GetParam().hour, 5, 9)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Hours, TimeStamp,
                         testing::Values(STimeCase{0, "03/07/99 at 12:05:09 AM"},
                                         STimeCase{1, "03/07/99 at 01:05:09 AM"},
                                         STimeCase{11, "03/07/99 at 11:05:09 AM"},
                                         STimeCase{12, "03/07/99 at 12:05:09 PM"},
                                         STimeCase{14, "03/07/99 at 02:05:09 PM"},
                                         STimeCase{23, "03/07/99 at 11:05:09 PM"}));

TEST(TimeText, NamesTheWeekdayInEnglishWhateverTheProcessLocale) {
    std::setlocale(LC_ALL, "");  // whatever the environment asks for
    std::tm time = March7th1999(14, 31);
    EXPECT_EQ(FormatTime(CStatistics::kFinishedFormat, time),
              "Game was finished on Sunday, 03/07/99 at 02:31 PM");
    time.tm_wday = 3;
    time.tm_year = 100;
    EXPECT_EQ(FormatTime("%A %y %% %q", time), "Wednesday 00 % %q");
    std::setlocale(LC_ALL, "C");
}

TEST(TimeText, SurvivesFieldsOutOfRange) {
    std::tm time{};
    time.tm_wday = -1;
    time.tm_hour = 99;
    time.tm_year = -2000;
    time.tm_mon = -5;
    EXPECT_EQ(FormatTime("%A %I %p %y %m", time), "Saturday 03 AM 00 96");
}

}  // namespace
