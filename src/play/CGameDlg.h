#pragma once

#include <QBrush>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>

#include "game/COperatorSet.h"
#include "play/CGameState.h"
#include "play/IGameView.h"
#include "shell/CFixedLayoutDlg.h"
#include "shell/IGameBoardOwner.h"

class CCueTimer;
class IClock;
class QMenuBar;
class CGameBoard;
class COperatorButton;
class CPlayerApp;
class CScoreCounter;
class IRandom;
class ISound;
class QLabel;
class QPushButton;

// The main window: the board, the dealt numbers, the two equations, names,
// scores, the turn line, Hint and Pass. It forwards every click and tick to
// the rules of the turn (CGameState) and draws what they hold.
class CGameDlg : public CFixedLayoutDlg, private IGameView, private IGameBoardOwner {
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
        IdBestValue = 1036,
        IdBestCase = 1037,
        IdAnchor = 1043,
        IdScoresBox = 1044,
        IdEquationsBox = 1045,
    };

    CGameDlg(CPlayerApp& app, ISound& sound, IRandom& random, IClock& clock,
             QWidget* parent = nullptr);
    ~CGameDlg() override;

    // A fresh game: sign letter 'P', 'N' or 'A', 10/16/26/32 pieces, the
    // allowed operators, both names, one player or two, sounds.
    void StartGame(char chSign, int nPieces, const COperatorSet& operators,
                   const std::string& strName1, const std::string& strName2, bool bOnePlayer,
                   bool bSound);
    // Asks (mode 2) or not (mode 1), then closes the records and the window.
    void QuitGame(int nMode);

    // The menu bar above the window's own controls, made by make when the
    // window opens; its items' commands go to m_fnCommand.
    void SetMenu(std::function<QMenuBar*()> make);
    std::function<void(int nCommand)> m_fnCommand;
    // A new game: the setup dialog, players chosen when asked for, records
    // opened, StartGame. At the end of a game with the same players.
    void NewGame(bool bNewPlayers) override;
    // Replaces the setup sequence of NewGame (the soak chooses options itself).
    std::function<void(bool bNewPlayers)> m_fnNewGame;
    std::function<void()> m_fnQuickInstructions;
    // The splash about box, shown when the window opens, before it appears.
    std::function<void()> m_fnSplash;

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
    // Escape: the same question as the close box, never a silent end.
    void reject() override;

private:
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
    bool LoadBoard(const std::string& key) override;
    void BlockRandomCells(int nCount) override;
    void HighlightValue(int nValue) override;
    void HighlightPiece(int nIndex, bool bGrey) override;
    void ClearHighlights() override;
    void RedrawTakenMarkers() override;
    void ShowQuickInstructions() override;
    void CloseWindow() override;
    // IGameBoardOwner
    bool IsSoundOn() const override;
    int Result() const override;
    bool IsOnePlayer() const override;
    int BestPiece() const override;
    void OnPieceTaken(int nPlayer, int nPoints) override;

    void BindControls();
    void ApplyColours();
    void UpdateAnchor();
    void DescribePieces();
    QLabel* Label(int nId) const;

    CPlayerApp& m_app;
    ISound& m_sound;
    IRandom& m_random;
    IClock& m_clock;
    std::function<QMenuBar*()> m_fnMakeMenu;
    QMenuBar* m_pMenu = nullptr;
    CGameBoard* m_pBoard = nullptr;
    std::array<COperatorButton*, 2> m_pOperator{};
    std::array<QPushButton*, 4> m_pNumber{};
    std::array<QPushButton*, 4> m_pSlot{};
    std::unique_ptr<CGameState> m_pGame;
    std::unique_ptr<CScoreCounter> m_pScoreCounter;
    std::unique_ptr<CCueTimer> m_pTimer;
    QPoint m_ptMessage;
    bool m_bFirstPaint = true;
    QBrush m_brScores;
    QBrush m_brEquations;
    QBrush m_brButtons;
};
