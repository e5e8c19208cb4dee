#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/CBoard.h"
#include "game/CGameOptions.h"
#include "game/CMoveList.h"
#include "play/CEquations.h"
#include "play/CTakeOutcome.h"

class CGamePlayer;
class CPlayerApp;
class IGameView;
class IRandom;
class ISound;

// The state of one running game and the rules of a turn: the board and the
// take, the deal on the 250 ms tick, composing the equations, passing, hints,
// the better-move check, game over, quitting and what the records count. No
// widgets: the main window forwards its clicks and ticks here and draws what
// State() and Board() hold; what must be shown, asked or counted aloud goes
// through IGameView.
class CGameState {
public:
    static constexpr int kDealTicks = 15;
    static constexpr int kOptimalHintCost = 3;
    static constexpr int kOperatorHintCost = 1;
    static constexpr int kCatchUpLead = 5;  // the computer must lead by more than this
    // How steeply a weaker computer's choice favours the better pieces.
    static constexpr double kBeginnerPower = 0.5;
    static constexpr double kIntermediatePower = 3.0;
    static constexpr int kRandomRange = 32767;  // IRandom::Next's highest draw
    // Hint dialog results.
    static constexpr int kHintOptimal = 1040;
    static constexpr int kHintOperators = 3;

    // Everything the window shows or the rules keep; names as the game's design uses them.
    struct SState {
        bool m_bShowQuickInstructions = true;
        int m_nShake = 0;  // 0 no deal, 1 armed, 2..16 dealing
        int m_nPieces = 26;
        int m_nBestValue = -1000;
        int m_nBestNeighbours = -1;
        int m_nBestCase = -1;
        int m_nBestPiece = -1;
        int m_nMovePoints = 0;
        bool m_bOnePlayer = true;
        bool m_bBestKept = false;
        bool m_bGameInProgress = false;
        bool m_bAutoPlay = false;
        bool m_bFirstGame = true;
        bool m_bCanClose = false;
        bool m_bInTimer = false;
        bool m_bGameStarted = false;  // until the first game starts, play controls are inert
        bool m_bTaking = false;       // a take is being shown
        std::array<int, 3> m_nKeptNumber{-1, -1, -1};
        std::array<std::string, 2> m_strName{"Name", "Name"};
        std::array<int, 2> m_nScore{0, 0};
        int m_nSignMode = 2;
        int m_nLevel = kLevelExpert;  // the computer's
        std::string m_strTurn;             // static 1031
        std::string m_strBestValue = "?";  // hidden diagnostic 1036
        std::string m_strBestCase = "?";   // hidden diagnostic 1037
        std::string m_strCode;             // the game's code, empty before the first game
        // Board indexes that blink: grey, the pieces a click may take; red, a
        // piece only pointed out (the better move).
        std::vector<int> m_selectable;
        std::vector<int> m_warning;
        // The move coach: every move of the last finished turn, best first, and
        // what was played; nothing while a person composes (a free hint else).
        std::vector<CMove> m_lastMoves;
        std::array<int, 3> m_nLastNumbers{-1, -1, -1};
        int m_nLastPlayed = -1;  // the board index taken, -1 for a pass
        int m_nLastMover = -1;   // 0 or 1; -1 before the first move
        bool m_bComposing = false;
    };

    CGameState(IGameView& view, IRandom& random, ISound& sound, CPlayerApp& app);

    const SState& State() const { return m_s; }
    const CEquations& Equations() const { return m_eq; }
    const CBoard& Board() const { return m_board; }
    int CurrentPlayer() const { return m_board.CurrentPlayer(); }
    // One player and player two's turn: the controls are the computer's.
    bool IsComputersTurn() const { return m_s.m_bOnePlayer && CurrentPlayer() == 1; }
    // The options of the game in progress, as the setup dialog is filled with
    // them: the names are the ones shown.
    CGameOptions Options() const;
    bool SoundOn() const;

    // ---- start ---------------------------------------------------------------
    // A fresh game: each player's record opens with the game's title, the
    // board of the options' key loads and blocks its cells, names and scores
    // reset, player one's first deal is armed; then the records are saved.
    // The random source restarts from nSeed (a game code's), or from a new
    // seed, so that the game's code plays it again.
    void StartGame(const CGameOptions& options, std::optional<std::uint32_t> nSeed = {});
    // The board shown until the first game starts; the window makes its cells
    // when it appears.
    void LoadStartupBoard();
    void SetGameInProgress(bool bInProgress) { m_s.m_bGameInProgress = bInProgress; }

    // ---- the window's controls -----------------------------------------------
    void OnNumberClicked(int k);  // 0..2 dealt numbers, 3 the first row's result
    void OnSlotClicked(int s);    // 0..3
    void OnOperatorClicked(int nRow);
    // A key names the operator: shown at once when the row offers it, so no
    // operator in between is evaluated (and refused) on the way.
    void OnOperatorChosen(int nRow, char chOperator);
    void OnPass();
    void OnHint();
    // The 250 ms tick: a deal tick, or the caret when no deal runs.
    void OnTimer();
    // A click on a board cell: taken when a grey piece of the result (on the
    // computer's turn, its piece) is clicked, then the view shows the take and
    // the move ends; otherwise refused.
    CTakeOutcome OnPieceClicked(int nIndex);
    // The close box, Escape, Exit (mode 2 asks first) or the setup dialog's Quit
    // Game (mode 1). True when the window may close.
    bool QuitGame(int nMode);

    // ---- operations other parts of the game use ------------------------------
    void EndMove(bool bPass);
    // Closes both records as not finished and not won, saves and releases them:
    // quitting, or new players chosen.
    void AbandonRecords();
    // Writes case k's operators, and with bPlace its numbers, into the equations.
    void PlayCase(int nCase, bool bPlace);

private:
    friend class CGameStateTest;

    bool IsLocked() const;  // a deal runs or no game has started
    // Loads "data\\" + key; a file that cannot be opened is reported and the
    // board stays as it was.
    bool ReadBoard(const std::string& key);
    void DealTick();
    void EndDeal();
    void KeepSet(const CBestPiece& best, bool bCatchUp);
    // A computer below Expert takes one of the obtainable pieces, drawn with
    // weights that fall with the piece's rank, instead of the best one.
    void ChooseWeakerMove();
    std::string ComputerName() const;
    bool MayTake(int nIndex) const;
    void ShowBetterMove();
    void GameOver();
    void TakeHint(int nResult);
    // Closes both records as the game stands; the opponent is the other seat's name.
    void EndRecords(bool bFinished, bool bDidNotWinOne, bool bDidNotWinTwo);
    void OnResult(bool bHasResult, int nResult);
    void SetHighlights(std::vector<int> selectable, std::vector<int> warning);
    void ClearHighlights() { SetHighlights({}, {}); }
    CGamePlayer* Record(int nSeat) const;
    void SaveRecords() const;

    CBoard m_board;
    IGameView& m_view;
    IRandom& m_random;
    ISound& m_sound;
    CPlayerApp& m_app;
    SState m_s;
    CEquations m_eq;
    std::vector<CMove> m_turnMoves;  // the settled deal's, published when the turn ends
    int m_nTaken = -1;               // the piece the turn's take took
};
