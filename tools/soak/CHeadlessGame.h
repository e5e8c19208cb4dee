#pragma once

#include "play/CGameState.h"
#include "play/IGameView.h"

class CPlayerApp;
class IRandom;
class ISound;

// A game on the rules with no window: every question is answered No, every
// box OK, the hint dialog cancelled, and the next game a game over asks for is
// only noted. Moves are made as a player makes them, through the controls.
class CHeadlessGame : protected IGameView {
public:
    CHeadlessGame(IRandom& random, ISound& sound, CPlayerApp& app);

    CGameState& Game() { return m_game; }
    // The 15 ticks of a deal.
    void Deal();
    // Writes case k's equation as a user clicks it: slots emptied, operators
    // stepped round to the case's, numbers in slot order. False when the case
    // cannot be written with the game's operators.
    bool Compose(int nCase);
    // The game ended inside the last move; cleared by the next StartGame.
    bool m_bNextGame = false;

protected:
    void Refresh() override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool Ask(const std::string&, const std::string&) override { return false; }
    void Notify(const std::string&, const std::string&) override {}
    int RunHintDialog() override { return 2; }
    void CountScore(int, int) override {}
    void ResetScores() override {}
    void BoardLoaded() override {}
    void CellsBlocked() override {}
    void HighlightsChanged() override {}
    void ShowTake(const CTakeOutcome&) override {}
    void RedrawTakenMarkers() override {}
    void MovesChanged() override {}
    void NextGame() override { m_bNextGame = true; }
    void ShowQuickInstructions() override {}
    void CloseWindow() override {}

    CGameState m_game;
};
