#pragma once

#include <array>

class ISound;
class QLabel;

// Moves a displayed score to its new value one point at a time, with a tick
// per point, so that a score change is heard being counted.
class CScoreCounter {
public:
    static constexpr int kPlayers = 2;

    explicit CScoreCounter(ISound& sound);

    // Every displayed score back to 0, at the start of a game.
    void ResetCounts();
    // Steps the displayed score of player nPlayer (0 or 1) towards nNewScore,
    // writing each step into control; with bSound each step up plays
    // "data\up.wav", each step down "data\down.wav", and waits for it.
    void CountTo(int nPlayer, int nNewScore, bool bSound, QLabel& control);
    int Displayed(int nPlayer) const;

private:
    ISound& m_sound;
    std::array<int, kPlayers> m_nDisplayed{};
};
