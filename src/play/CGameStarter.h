#pragma once

#include <functional>

#include "game/CGameOptions.h"

class CGameState;
class CPlayerApp;
class IClock;
class QWidget;

// The dialogs that start a game: the setup, the choice of each seat's player,
// a game code asked for or shown; then the rules start the game. The main
// window runs each of them as a held command.
class CGameStarter {
public:
    // quit ends the program after the setup's Quit Game (the records closed).
    CGameStarter(CGameState& game, CPlayerApp& app, IClock& clock, QWidget& owner,
                 std::function<void()> quit);

    // The setup dialog, the players when asked for, records opened, StartGame.
    void NewGame(bool bNewPlayers);
    // A code's options, board and deals, with the same players unless the code
    // seats another number of them.
    void NewGameFromCode();
    void ShowGameCode();

private:
    // Releases the seats' records and chooses the options' players anew.
    void SeatPlayers(CGameOptions& options);

    CGameState& m_game;
    CPlayerApp& m_app;
    IClock& m_clock;
    QWidget& m_owner;
    std::function<void()> m_fnQuit;
};
