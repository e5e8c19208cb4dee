#include "players/CProgressSummary.h"

#include <algorithm>
#include <cstdio>

#include "players/CGameStats.h"
#include "players/CPlayer.h"

namespace {

std::string Count(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

CProgressSummary::CProgressSummary(const CPlayer& player) {
    for (const auto& pRecord : player.m_records) {
        if (pRecord.get() == player.m_pCurrentStats) continue;
        SGame game;
        game.nScore = pRecord->m_nScore;
        game.bFinished = pRecord->m_bFinished;
        // Every record made here is a game's; a bare one has no hints or misses.
        if (const auto* pGame = dynamic_cast<const CGameStats*>(pRecord.get())) {
            game.nHints = pGame->m_nOperatorHints + pGame->m_nOptimalHints;
            game.nMissed = pGame->m_nMissedMoves;
        }
        m_nBest = m_games.empty() ? game.nScore : std::max(m_nBest, game.nScore);
        m_nScoreSum += game.nScore;
        m_nUnfinished += game.bFinished ? 0 : 1;
        m_nHints += game.nHints;
        m_nMissed += game.nMissed;
        m_games.push_back(game);
    }
}

double CProgressSummary::Average() const {
    return m_games.empty() ? 0.0 : double(m_nScoreSum) / double(m_games.size());
}

std::string CProgressSummary::Describe() const {
    if (m_games.empty()) return "No games played.";
    char average[32];
    std::snprintf(average, sizeof average, "%.1f", Average());
    return Count(static_cast<long long>(m_games.size()), "game", "games") + ": best score " +
           std::to_string(m_nBest) + ", last score " + std::to_string(Last()) + ", average score " +
           average + "; " + std::to_string(m_nUnfinished) + " unfinished; " +
           Count(m_nHints, "hint", "hints") + " taken, " +
           Count(m_nMissed, "missed move", "missed moves") + ".";
}
