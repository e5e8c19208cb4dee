#pragma once

#include <QBrush>
#include <QPoint>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "play/CCommandQueue.h"
#include "play/CGameState.h"
#include "play/IGameView.h"
#include "shell/CFixedLayoutDlg.h"

class CCueTimer;
class CGameStarter;
class CMoveCoachWnd;
class IClock;
class QMenuBar;
class CGameBoard;
class COperatorButton;
class CPlayerApp;
class CScoreCounter;
class IRandom;
class ISound;
class QKeyEvent;
class QLabel;
class QPushButton;

// The main window: the board, the dealt numbers, the two equations, names,
// scores, the turn line, Hint and Pass. It forwards every click and tick to
// the rules of the turn (CGameState), each as an operation of its command
// queue, and draws what they hold.
class CGameDlg : public CFixedLayoutDlg, private IGameView {
    Q_OBJECT
public:
    static constexpr int kTemplate = 102;
    static constexpr int kTimerMs = 250;
    enum EControl {
        IdNumber0 = 1000,  // 1000..1002 the dealt numbers
        IdFirstResult = 1008,
        IdSlot0 = 2001,  // 2001..2004 the slots
        IdOperator0 = 1006,
        IdOperator1 = 1007,
        IdResult1 = 1016,
        IdResult2 = 1013,
        IdHint = 1038,
        IdPass = 1029,
        IdBoard = 1014,
        IdDefault = 1028,
        IdTurn = 1031,
        IdName0 = 1032,
        IdName1 = 1033,
        IdScore0 = 1034,
        IdScore1 = 1035,
        IdBestValue = 1036,  // hidden diagnostic: the kept best value
        IdBestCase = 1037,   // hidden diagnostic: its case number
        IdAnchor = 1043,
        IdScoresBox = 1044,
        IdEquationsBox = 1045,
        IdFirstEquals = 23876,  // the "=" of each row and the ":" after each score
        IdSecondEquals = 42355,
        IdColon0 = 23453,
        IdColon1 = 23534,
    };

    CGameDlg(CPlayerApp& app, ISound& sound, IRandom& random, IClock& clock,
             QWidget* parent = nullptr);
    ~CGameDlg() override;

    // The menu bar above the window's own controls, made by make when the
    // window opens; its items' commands go to m_fnCommand.
    void SetMenu(std::function<QMenuBar*()> make);
    std::function<void(int nCommand)> m_fnCommand;
    std::function<void()> m_fnQuickInstructions;
    // The splash about box, shown when the window opens, before it appears.
    std::function<void()> m_fnSplash;

    // Game commands wait here while an operation runs (see CCommandQueue).
    CCommandQueue& Commands() { return m_commands; }
    // A new game as a command: the setup dialog, players chosen when asked
    // for, records opened, the game started. bNoGame: there is no game to go
    // back to, so the setup offers Quit Game instead of Cancel.
    void RequestNewGame(bool bNewPlayers, bool bNoGame = false);
    // Exit and the close box as a command: asks, then closes the records and the window.
    void RequestQuit();
    // The code of the game in progress, to copy.
    void ShowGameCode();
    // The move coach beside the game, made on first use.
    void ShowAllMoves();
    CMoveCoachWnd* MoveCoach() const { return m_pCoach; }
    // A game from a code as a command: its options, board and deals, with the
    // same players unless the code seats another number of them.
    void RequestNewGameFromCode();

    const CGameState& Game() const { return *m_pGame; }
    CGameState& Game() { return *m_pGame; }
    CGameBoard& Board() const { return *m_pBoard; }
    QPoint MessagePoint() const { return m_ptMessage; }
    // One tick of the 250 ms timer; tests call it instead of waiting.
    void OnTimer();

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The keys of play (digits, operators, arrows, H, P, N...): see PlayKey.
    void keyPressEvent(QKeyEvent* event) override;
    // Escape: the same question as the close box, never a silent end.
    void reject() override;

private:
    void QuitGame(int nMode);
    // Runs a click or tick of the window as one operation of the queue.
    template <typename F>
    void Operation(F&& f) {
        CCommandQueue::CScope busy(m_commands);
        f();
    }
    // Makes the menu bar and moves the controls below it.
    void AttachMenu();
    // IGameView
    void Refresh() override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    bool Ask(const std::string& text, const std::string& caption) override;
    void Notify(const std::string& text, const std::string& caption) override;
    int RunHintDialog() override;
    void CountScore(int nPlayer, int nScore) override;
    void ResetScores() override;
    void BoardLoaded() override;
    void CellsBlocked() override;
    void HighlightsChanged() override;
    void ShowTake(const CTakeOutcome& take) override;
    void RedrawTakenMarkers() override;
    void MovesChanged() override;
    void NextGame() override;
    void ShowQuickInstructions() override;
    void CloseWindow() override;

    bool PlayKey(const QKeyEvent& key);
    void PickNumber(int nValue);
    // After a deal, a take or a number placed: where the keyboard goes on.
    void PlaceFocus(QWidget* pBefore);
    // What a screen reader is told: names that carry the values, and the
    // turn line's name, the status that matters, changed once per change.
    void DescribeControls();
    void DescribeHighlights();
    QString PieceName(int nIndex) const;
    QString TurnStatus() const;
    // Runs a box or dialog; the focus goes back where it was.
    template <typename F>
    auto KeepingFocus(F&& f);

    void BindControls();
    void ApplyColours();
    void UpdateAnchor();
    void DescribePieces();
    // Writes what a control shows only when it changed since the last time,
    // so an idle tick repaints and re-describes nothing.
    void Show(QWidget* control, const std::string& text, const QString& description = {});
    QWidget* Cached(int nId) const;
    QLabel* Label(int nId) const;

    ISound& m_sound;
    std::function<QMenuBar*()> m_fnMakeMenu;
    QMenuBar* m_pMenu = nullptr;
    CMoveCoachWnd* m_pCoach = nullptr;  // a child window: deleted with this one
    CGameBoard* m_pBoard = nullptr;
    std::array<COperatorButton*, 2> m_pOperator{};
    std::array<QPushButton*, 4> m_pNumber{};
    std::array<QPushButton*, 4> m_pSlot{};
    std::map<const QWidget*, std::string> m_drawn;
    mutable std::map<int, QWidget*> m_controls;
    CCommandQueue m_commands;
    std::unique_ptr<CGameState> m_pGame;
    std::unique_ptr<CGameStarter> m_pStarter;
    std::unique_ptr<CScoreCounter> m_pScoreCounter;
    std::unique_ptr<CCueTimer> m_pTimer;
    QPoint m_ptMessage;
    bool m_bFirstPaint = true;
    bool m_bDealing = false;           // as the last Refresh found it
    std::vector<int> m_described;      // pieces with a description of their blink
    bool m_bNewPlayersAsked = false;  // the held new game chooses players
    bool m_bNoGameAsked = false;      // the held new game has no game to return to
    QBrush m_brScores;
    QBrush m_brEquations;
    QBrush m_brButtons;
};
