#pragma once

#include <string>

// What the turn rules ask of the window that shows them. The rules hold the
// state; the window draws it, asks the user, counts scores aloud and shows the
// board. Tests answer with a recording double.
class IGameView {
public:
    virtual ~IGameView() = default;

    // The controls show the rules' state now: called before anything that holds
    // the program (a box, a counting score) and after every operation.
    virtual void Refresh() = 0;

    // The game's message window at the anchor, with title and text.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // A Yes/No box with the question icon; true for Yes.
    virtual bool Ask(const std::string& text, const std::string& caption) = 0;
    // A box with OK and no icon.
    virtual void Notify(const std::string& text, const std::string& caption) = 0;
    // The hint dialog; its result: 1040 Optimal, 3 Operators, 2 Cancel.
    virtual int RunHintDialog() = 0;

    // The displayed score of player 0 or 1 counts point by point to nScore.
    virtual void CountScore(int nPlayer, int nScore) = 0;
    // Both displayed scores back to 0 at the start of a game.
    virtual void ResetScores() = 0;

    // The board window: loading "data\" + key, blocking cells, blinking pieces.
    virtual bool LoadBoard(const std::string& key) = 0;
    virtual void BlockRandomCells(int nCount) = 0;
    virtual void HighlightValue(int nValue) = 0;
    virtual void HighlightPiece(int nIndex, bool bGrey) = 0;
    virtual void ClearHighlights() = 0;
    // Every taken piece's tile back to the plain taken picture.
    virtual void RedrawTakenMarkers() = 0;

    // The application's commands: a new game (same players or new ones), the
    // quick instructions, and the end of the program.
    virtual void NewGame(bool bNewPlayers) = 0;
    virtual void ShowQuickInstructions() = 0;
    virtual void CloseWindow() = 0;
};
