#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>

#include "game/CBoard.h"
#include "game/CGameCode.h"
#include "platform/CSystemRandom.h"
#include "play/CGameState.h"
#include "play/GameFixture.h"
#include "play/IGameView.h"
#include "support/CSoundRecorder.h"

// Says No to every question, answers the hint dialog as told once and logs each
// box as "box caption: text"; the rest of what the rules ask of the window is dropped.
class CFakeView : public IGameView {
public:
    void Refresh() override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool Ask(const std::string&, const std::string&) override { return false; }
    void Notify(const std::string& text, const std::string& caption) override {
        m_log.push_back("box " + caption + ": " + text);
    }
    int RunHintDialog() override { return std::exchange(m_hint, 2); }  // then Cancel
    void CountScore(int, int) override {}
    void ResetScores() override {}
    void BoardLoaded() override {}
    void CellsBlocked() override {}
    void HighlightsChanged() override {}
    void ShowTake(const CTakeOutcome&) override {
        if (m_onTake) std::exchange(m_onTake, nullptr)();
    }
    void RedrawTakenMarkers() override {}
    void MovesChanged() override {}
    void NextGame() override {}
    void ShowQuickInstructions() override {}
    void CloseWindow() override {}

    int m_hint = 2;
    std::vector<std::string> m_log;
    std::function<void()> m_onTake;
};

// Pieces used below: 7 at cell 8 (no neighbours taken), 14 at cell 12, and
// 12 at cell 34, a corner next to two blocked cells (27, 33) worth 3 points.
class CGameStateTest : public ::testing::Test {
protected:
    static std::string Board() {
        std::vector<int> values(35, -1);
        for (auto [cell, value] :
             {std::pair{8, 7}, {12, 14}, {13, 12}, {20, 2000}, {27, 2000}, {33, 2000}, {34, 12}})
            values[cell] = value;
        return BoardText(values);
    }

    // A game of 32 pieces: blocks 27 and 33, then the draws of cell 0 (empty).
    void Start(bool bOnePlayer = true, int nLevel = kLevelExpert) {
        for (int cell : {27, 33})  // the draws of its row and column
            m_random.m_draws.insert(m_random.m_draws.end(),
                                    {(cell / 7 * 32767 + 4) / 5, (cell % 7 * 32767 + 6) / 7});
        CGameOptions options;
        options.m_nPieces = 32;
        options.m_strName1 = "Ann";
        options.m_strName2 = "Bob";
        options.m_bOnePlayer = bOnePlayer;
        options.m_nLevel = nLevel;
        options.m_bShowQuickInstructions = false;
        m_game.StartGame(options);
        m_random.m_draws.clear();
    }
    void Ticks(int n) {
        for (int tick = 0; tick < n; ++tick) m_game.OnTimer();
    }
    void Deal(int a, int b, int c) {
        m_random.Deal(a, b, c);
        Ticks(15);
    }
    void SetScores(int nOne, int nTwo) { m_game.m_s.m_nScore = {nOne, nTwo}; }
    CBoard& TheBoard() { return m_game.m_board; }
    // Writes a b c as the deal's first two numbers in row one, its result and
    // the third in row two, with the operators stepped to ops.
    void Compose(const std::string& ops) {
        for (int k : {0, 1, 3, 2}) m_game.OnNumberClicked(k);
        for (int row = 0; row < 2; ++row)
            while (m_game.Equations().Operator(row).GetOperator() != ops[std::size_t(row)])
                m_game.OnOperatorClicked(row);
    }
    bool Logged(const std::string& line) const {
        return std::find(m_view.m_log.begin(), m_view.m_log.end(), line) != m_view.m_log.end();
    }

    CBoardFolder m_folder{Board()};
    CQueueRandom m_random;
    CSoundRecorder m_sound;
    CTestPlayers m_players;
    CFakeView m_view;
    CGameState m_game{m_view, m_random, m_sound, m_players.m_app};
};

TEST_F(CGameStateTest, TheCaretBlinksAndTheFirstResultFollowsItsRowIntoTheSecond) {
    Start();
    Deal(3, 4, 2);
    const CEquations& eq = m_game.Equations();
    EXPECT_FALSE(eq.m_bNumberEnabled[3]);  // a new deal's "?"
    m_game.OnNumberClicked(0);
    m_game.OnNumberClicked(1);
    m_game.OnTimer();  // the caret, in the first of two empty slots
    EXPECT_EQ(eq.m_strSlot[2], "^");
    m_game.OnTimer();
    EXPECT_EQ(eq.m_strSlot[2], "");
    m_game.OnNumberClicked(3);    // 7 goes to the first free slot of the second row
    m_game.OnOperatorClicked(0);  // 3 - 4: the second row follows at once
    EXPECT_EQ(eq.m_strSlot[2], "-1");
}

TEST_F(CGameStateTest, TheDealKeepsTheFirstSetWithAPiece) {
    Start();
    m_random.Set(0, 0, 0);        // 0 reaches no piece
    m_random.Set(5, 2, 0);        // 7: kept
    m_random.Deal(10, 2, 0, 13);  // 12 is worth more but comes later
    Ticks(15);
    EXPECT_EQ(m_game.Equations().m_strNumber[0], "5");
    EXPECT_EQ(m_game.State().m_strBestValue, "7");
}

TEST_F(CGameStateTest, AHumanTrailingByMoreThanFiveKeepsTheRichestSet) {
    for (auto [lead, expected] : {std::pair{5, "7"}, std::pair{6, "12!"}}) {
        Start();
        SetScores(0, lead);
        m_random.Set(5, 2, 0);
        m_random.Deal(10, 2, 0, 14);
        Ticks(15);
        EXPECT_EQ(m_game.State().m_strBestValue, expected) << "lead " << lead;
    }
}

// The player then completes the computer's move by clicking the one piece it chose.
TEST_F(CGameStateTest, NoPieceLeavesAFreeHintAndPassThenTheComputersPieceBlinks) {
    Start();
    Deal(0, 0, 0);
    EXPECT_EQ(m_game.State().m_strBestValue, "NO");
    m_view.m_hint = CGameState::kHintOptimal;
    m_game.OnHint();
    EXPECT_EQ(m_game.State().m_nScore[0], 0);
    m_game.OnPass();
    Deal(10, 2, 0);
    EXPECT_EQ(m_game.State().m_selectable, std::vector<int>{34});
}

TEST_F(CGameStateTest, OnlyGamesAfterTheFirstAnnounceWhoStarts) {
    Start();
    EXPECT_FALSE(Logged("box : It's Ann's turn"));
    Start();
    EXPECT_TRUE(Logged("box : It's Ann's turn"));
}

TEST_F(CGameStateTest, TheOperatorHintEmptiesEverySlot) {
    Start();
    Deal(10, 2, 0);
    m_game.OnNumberClicked(0);
    m_view.m_hint = CGameState::kHintOperators;
    m_game.OnHint();
    EXPECT_EQ(m_game.Equations().m_nSlot[0], -1);
}

TEST_F(CGameStateTest, TheLastPieceEndsTheGameAndClosesBothRecords) {
    // The win cues add up over the rows: a person's win is cheered, a tie is not.
    for (auto [one, two, text, oneLost, twoLost, winCues] :
         {std::tuple{3, 1, "box Game Over: Ann is the winner!", false, true, 1},
          {1, 3, "box Game Over: Bob is the winner!", true, false, 2},
          {2, 2, "box Game Over: It is a tie!", true, true, 2}}) {
        m_players.Seat(0, "Ann");
        m_players.Seat(1, "Bob");
        Start(false);
        for (int cell : {8, 12, 13, 20}) TheBoard().TakePiece(cell, 1);
        Deal(10, 2, 0);
        SetScores(one - 3, two);
        Compose("++");
        m_game.OnPieceClicked(34);
        EXPECT_TRUE(Logged(text)) << text;
        // The files hold the finished game at once, not at the next save.
        EXPECT_EQ(Stats(m_players.Saved("Ann")->m_records.back()).m_bDidNotWin, oneLost) << text;
        EXPECT_EQ(Stats(m_players.Saved("Bob")->m_records.back()).m_bDidNotWin, twoLost) << text;
        const CSoundRecorder::Cue win{"data\\humanw.wav", ESoundMode::Async};
        EXPECT_EQ(std::count(m_sound.Cues().begin(), m_sound.Cues().end(), win), winCues) << text;
    }
}

TEST_F(CGameStateTest, AMissingBoardIsReportedAndTheGameGoesOn) {
    std::filesystem::remove("data/ASMD.A");
    Start();
    EXPECT_TRUE(Logged("box File Error: Unable to load boardASMD.A"));
}

// Only a grey piece of the result is taken, on the computer's turn only its own;
// the take is shown with the neighbours it counts before the move ends.
TEST_F(CGameStateTest, APieceIsTakenOnlyWhenItBlinksForTheMover) {
    using K = CTakeOutcome;
    Start();
    Deal(3, 4, 2);
    EXPECT_EQ(m_game.OnPieceClicked(12).m_eKind, K::Refused);  // nothing composed
    Compose("+*");
    EXPECT_EQ(m_game.OnPieceClicked(8).m_eKind, K::Refused);  // 7 is not the result
    // A click while the take is shown is not the user's: it does nothing.
    m_view.m_onTake = [this] { EXPECT_EQ(m_game.OnPieceClicked(12).m_eKind, K::Ignored); };
    EXPECT_EQ(m_game.OnPieceClicked(12).m_eKind, K::Taken);
    Deal(10, 2, 0);
    EXPECT_EQ(m_game.OnPieceClicked(34).m_neighbours, (std::vector<int>{27, 33}));
    EXPECT_EQ(m_game.State().m_nScore[1], 3);
    Deal(10, 2, 0);  // a taken piece of the result no longer blinks
    Compose("++");
    EXPECT_EQ(m_game.State().m_selectable, std::vector<int>{13});
}

// A code replays its game: the same blocked cells and the same deals, and the
// players' records keep it where the record's own lines are read unchanged.
TEST_F(CGameStateTest, TheSameCodeGivesTheSameBoardAndDealsAndStaysInTheRecord) {
    std::string text;
    for (int i = 0; i < 35; ++i) text += std::to_string(i % 12) + " ," + std::to_string(i) + "\n";
    CBoardFolder folder(text);  // a full board of its own
    CGameOptions options;
    options.m_nPieces = 16;
    options.m_bShowQuickInstructions = false;
    std::vector<std::string> seen;
    for (int game = 0; game < 3; ++game) {
        CSystemRandom random{unsigned(game)};
        CGameState state(m_view, random, m_sound, m_players.m_app);
        m_players.Seat(0, "Ann");
        std::uint32_t seed = 0;
        CGameOptions read;
        // Two games of new seeds, then the first one's code.
        if (game < 2) state.StartGame(options);
        else if (CGameCode::Read(seen[0].substr(0, 12), read, seed)) state.StartGame(read, seed);
        std::string cells;
        for (int i = 0; i < 35; ++i) cells += state.Board().Piece(i).IsTaken() ? '#' : '.';
        for (int tick = 0; tick < 15; ++tick) state.OnTimer();
        seen.push_back(state.State().m_strCode + cells + state.Equations().m_strNumber[0] +
                       state.Equations().m_strNumber[1] + state.Equations().m_strNumber[2]);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_EQ(seen[2], seen[0]);
    const auto ann = m_players.Saved("Ann");
    ASSERT_TRUE(ann);
    EXPECT_EQ(Stats(ann->m_records.back()).m_strCode, seen[0].substr(0, 12));
}

// A beginner draws among the pieces the numbers reach, the better ones
// weighing more: the last draw of the range takes the lesser piece, and the
// record names the computer's level.
TEST_F(CGameStateTest, AWeakerComputerDrawsItsPieceAndIsNamedInTheRecord) {
    m_players.Seat(0, "Ann");
    Start(true, kLevelBeginner);
    Deal(0, 0, 0);
    m_game.OnPass();  // nothing to take: the computer's turn
    m_random.Deal(10, 2, 0);  // 12 at cells 34 and 13, ranked in that order
    m_random.m_draws.push_back(32767);
    Ticks(15);
    EXPECT_EQ(m_game.State().m_selectable, std::vector<int>{13});
    m_game.AbandonRecords();
    EXPECT_NE(m_players.File("Ann").find("the computer (beginner)"), std::string::npos);
}
