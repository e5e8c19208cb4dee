#pragma once

#include <array>
#include <random>
#include <string>

#include "game/GameConstants.h"
#include "platform/CSystemClock.h"
#include "platform/CSystemRandom.h"
#include "CHeadlessGame.h"
#include "players/CPlayerApp.h"

class ISound;

// Plays whole games on the rules of a turn with no window: both seats driven
// by a seeded mix of best moves, weaker moves, passes, hints and both answers
// to every question, across all four sizes and several operator sets. After
// every move it checks that each score equals the points taken minus the
// hints paid, that no piece was taken twice or changed hands, and that the
// records agree with what happened.
class CSoak {
public:
    static constexpr int kMaxGameMoves = 400;

    // Players are written under playersRoot + "players/"; boards are read from
    // "data/" under the working directory.
    CSoak(unsigned seed, const std::string& playersRoot, ISound& sound);

    // False, with the reason in Failure(), on the first broken invariant or a
    // board that cannot be loaded.
    bool Run(int nGames);
    const std::string& Failure() const { return m_strFailure; }
    int Games() const { return m_nGames; }
    int Abandoned() const { return m_nAbandoned; }
    long Moves() const { return m_nMoves; }

private:
    struct STally {
        std::array<int, 2> points{}, hintCost{}, passes{}, missed{}, optimal{}, operators{};
        std::array<int, kCells> owner{};
    };

    int Percent() { return std::uniform_int_distribution<int>(0, 99)(m_pick); }
    bool Chance(int nPercent) { return Percent() < nPercent; }
    void StartRandomGame();
    bool Turn();
    void HumanMove();
    void Take(int nIndex);
    bool Check();
    bool Fail(const std::string& what, int nSeat);

    // The user: answers what a user would see, and counts it.
    class CUser : public CHeadlessGame {
    public:
        CUser(CSoak& soak, ISound& sound);

    private:
        void ShowMessage(const std::string& title, const std::string& text) override;
        bool Ask(const std::string& text, const std::string& caption) override;
        void Notify(const std::string& text, const std::string& caption) override;
        int RunHintDialog() override;
        CSoak& m_soak;
    };

    std::mt19937 m_pick;
    CSystemRandom m_random;
    CSystemClock m_clock;
    CPlayerApp m_app;
    CUser m_user;
    CGameState& m_game;
    STally m_tally;
    std::string m_strFailure;
    int m_nGames = 0;
    int m_nGameMoves = 0;
    int m_nAbandoned = 0;
    long m_nMoves = 0;
    int m_nMover = 0;
};
