#pragma once

#include <string>

struct CTakeOutcome;

// What the turn rules ask of the window that shows them. The rules hold the
// state and the board; the window draws them, asks the user, counts scores
// aloud and animates a take. Tests and the soak answer with doubles.
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

    // The board: a new file's pieces, cells blocked at the start, the pieces
    // that blink (the rules' highlight lists changed), a click's outcome, and
    // every taken piece's tile back to the plain taken picture.
    virtual void BoardLoaded() = 0;
    virtual void CellsBlocked() = 0;
    virtual void HighlightsChanged() = 0;
    virtual void ShowTake(const CTakeOutcome& take) = 0;
    virtual void RedrawTakenMarkers() = 0;
    // The move coach's content changed: a turn ended, or a person composes.
    virtual void MovesChanged() = 0;

    // The game is over: the next game with the same players, once the move
    // that ended it has returned.
    virtual void NextGame() = 0;
    virtual void ShowQuickInstructions() = 0;
    virtual void CloseWindow() = 0;
};
