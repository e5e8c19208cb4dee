#pragma once

#include <string>
#include <vector>

class CPlayer;

// The figures of a player's played games, oldest first, taken from the
// records once whenever they change, so that whatever shows them (the
// statistics chart, its text for screen readers) never walks the records.
class CProgressSummary {
public:
    struct SGame {
        int nScore = 0;
        bool bFinished = false;
        int nHints = 0;  // operator and optimal hints together
        int nMissed = 0;
    };

    CProgressSummary() = default;
    // Every record but the game in progress, which has no result yet.
    explicit CProgressSummary(const CPlayer& player);

    const std::vector<SGame>& Games() const { return m_games; }
    int Best() const { return m_nBest; }
    int Last() const { return m_games.empty() ? 0 : m_games.back().nScore; }
    double Average() const;
    int Unfinished() const { return m_nUnfinished; }
    int Hints() const { return m_nHints; }
    int Missed() const { return m_nMissed; }

    // The figures in one sentence, as a screen reader says the chart.
    std::string Describe() const;

private:
    std::vector<SGame> m_games;
    long long m_nScoreSum = 0;
    int m_nBest = 0;
    int m_nUnfinished = 0;
    int m_nHints = 0;
    int m_nMissed = 0;
};
