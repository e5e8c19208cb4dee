#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/TestTimes.h"
#include "support/CFixedClock.h"

namespace {

class GameRecords : public testing::Test {
protected:
    GameRecords()
        : m_player(m_clock,
                   [this](const std::string& text, const std::string& caption) {
                       m_messages.push_back(caption.empty() ? text : caption + ": " + text);
                   },
                   m_files) {
        m_player.m_strName = "Ann";
        m_player.m_strFile = "Ann0.ply";
    }
    CGameStats& Record(std::size_t index) {
        return dynamic_cast<CGameStats&>(*m_player.m_records.at(index));
    }
    std::string SavedRecordLine(int line) {
        m_player.Save("players/");
        std::string file = m_files.m_files["players/Ann0.ply"];
        // line 1 of the record is line 4 of the file
        std::size_t pos = 0;
        for (int i = 1; i < line + 3; ++i) pos = file.find("\r\n", pos) + 2;
        return file.substr(pos, file.find("\r\n", pos) - pos);
    }

    CFixedClock m_clock{March7th1999(14, 5, 9)};
    CMemoryFileSystem m_files;
    std::vector<std::string> m_messages;
    CGamePlayer m_player;
};

TEST_F(GameRecords, StartingOpensANewCurrentRecordWithTheStartTime) {
    m_player.StartStats("Quick game");
    ASSERT_EQ(m_player.m_records.size(), 1u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(0));
    EXPECT_EQ(Record(0).m_strStarted, "03/07/99 at 02:05:09 PM");
    EXPECT_EQ(Record(0).m_strTitle, "Quick game");
    EXPECT_EQ(Record(0).m_nScore, 1);
    EXPECT_EQ(Record(0).m_strEnded, "");
}

TEST_F(GameRecords, StartingTwiceLeavesTheFirstRecordOpenWithoutEndText) {
    m_player.StartStats("first");
    m_player.StartStats("second");
    ASSERT_EQ(m_player.m_records.size(), 2u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(1));
    m_player.EndStats("Bob", true, false);
    EXPECT_EQ(Record(0).m_strEnded, "");
    EXPECT_FALSE(Record(0).m_bFinished);
}

struct SEndCase {
    bool bFinished;
    const char* ended;
};

class GameRecordsEnding : public GameRecords, public testing::WithParamInterface<SEndCase> {};

TEST_P(GameRecordsEnding, ClosesTheRecordWithItsOutcomeAndEndText) {
    m_player.StartStats("game");
    m_clock.Set(March7th1999(14, 31));
    m_player.EndStats("the computer", GetParam().bFinished, false);
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
    EXPECT_EQ(Record(0).m_strEnded, GetParam().ended);
    EXPECT_EQ(Record(0).m_bFinished, GetParam().bFinished);
    EXPECT_FALSE(Record(0).m_bDidNotWin);
    EXPECT_EQ(Record(0).m_strOpponent, "the computer");
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, GameRecordsEnding,
    testing::Values(SEndCase{true, "Game was finished on Sunday, 03/07/99 at 02:31 PM"},
                    SEndCase{false, "Game was played on Sunday, 03/07/99 at 02:31 PM"}));

TEST_F(GameRecords, EndingWithoutACurrentRecordDoesNothing) {
    m_player.EndStats("Bob", true, true);
    EXPECT_TRUE(m_player.m_records.empty());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(GameRecords, AGameSavedInProgressGetsALastPlayedTextThatEndingReplaces) {
    m_player.StartStats("game");
    m_clock.Set(March7th1999(14, 20));
    EXPECT_EQ(SavedRecordLine(3), "Last played this game on Sunday, 03/07/99 at 02:20 PM");
    EXPECT_EQ(Record(0).m_strEnded, "Last played this game on Sunday, 03/07/99 at 02:20 PM");
    m_clock.Set(March7th1999(14, 31));
    m_player.EndStats("Bob", false, true);
    EXPECT_EQ(SavedRecordLine(3), "Game was played on Sunday, 03/07/99 at 02:31 PM");
}

TEST_F(GameRecords, ARecordWithoutStartTimeIsWrittenWithItsTitleInstead) {
    m_player.StartStats("game");
    m_player.m_pCurrentStats->m_strStarted.clear();
    EXPECT_EQ(SavedRecordLine(2), "game");
}

TEST_F(GameRecords, TheScoreNeverGoesBelowOne) {
    m_player.StartStats("game");
    for (const auto& [score, stored] : std::vector<std::pair<int, int>>{
             {57, 57}, {0, 1}, {-12, 1}, {INT_MIN, 1}, {1, 1}, {INT_MAX, INT_MAX}}) {
        m_player.SetScore(score);
        EXPECT_EQ(Record(0).m_nScore, stored) << score;
    }
}

using FnUpdate = std::function<void(CGamePlayer&)>;

struct SCountCase {
    const char* what;
    FnUpdate update;
    int CGameStats::*count;
};

class GameRecordsCounting : public GameRecords, public testing::WithParamInterface<SCountCase> {};

TEST_P(GameRecordsCounting, CountsOneForEachCall) {
    m_player.StartStats("game");
    GetParam().update(m_player);
    GetParam().update(m_player);
    EXPECT_EQ(Record(0).*GetParam().count, 2) << GetParam().what;
    EXPECT_TRUE(m_messages.empty());
}

TEST_P(GameRecordsCounting, StopsAtTheTopOfTheRange) {
    m_player.StartStats("game");
    Record(0).*GetParam().count = INT_MAX;
    GetParam().update(m_player);
    EXPECT_EQ(Record(0).*GetParam().count, INT_MAX) << GetParam().what;
}

TEST_P(GameRecordsCounting, WithoutACurrentRecordTellsTheUserAndChangesNothing) {
    m_player.StartStats("game");
    m_player.EndStats("", false, true);
    GetParam().update(m_player);
    EXPECT_EQ(m_messages, std::vector<std::string>{"No m_pCurrentStats!"}) << GetParam().what;
    EXPECT_EQ(Record(0).*GetParam().count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GameRecordsCounting,
    testing::Values(
        SCountCase{"pass", [](CGamePlayer& p) { p.AddPass(); }, &CGameStats::m_nPasses},
        SCountCase{"missed move", [](CGamePlayer& p) { p.AddMissedMove(); },
                   &CGameStats::m_nMissedMoves},
        SCountCase{"operator hint", [](CGamePlayer& p) { p.AddOperatorHint(); },
                   &CGameStats::m_nOperatorHints},
        SCountCase{"optimal hint", [](CGamePlayer& p) { p.AddOptimalHint(); },
                   &CGameStats::m_nOptimalHints}));

TEST_F(GameRecords, SettingTheScoreWithoutACurrentRecordTellsTheUser) {
    m_player.SetScore(5);
    EXPECT_EQ(m_messages, std::vector<std::string>{"No m_pCurrentStats!"});
}

TEST_F(GameRecords, RemovingARecordDeletesItAndNeverLeavesADanglingCurrentRecord) {
    m_player.StartStats("old");
    m_player.EndStats("", true, true);
    m_player.StartStats("current");
    m_player.RemoveRecord(m_player.m_records[0].get());
    ASSERT_EQ(m_player.m_records.size(), 1u);
    EXPECT_EQ(Record(0).m_strTitle, "current");
    m_player.RemoveRecord(m_player.m_pCurrentStats);
    EXPECT_TRUE(m_player.m_records.empty());
    EXPECT_EQ(m_player.m_pCurrentStats, nullptr);
}

TEST_F(GameRecords, RemovingAllSparesTheGameInProgress) {
    m_player.StartStats("a");
    m_player.EndStats("", true, true);
    m_player.StartStats("current");
    m_player.RemoveAllButCurrent();
    ASSERT_EQ(m_player.m_records.size(), 1u);
    EXPECT_EQ(m_player.m_pCurrentStats, &Record(0));
}

}  // namespace
