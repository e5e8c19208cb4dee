#pragma once

#include <cstdint>
#include <vector>

#include "game/CDealOdds.h"

// How playable a board's values are under a deal's odds: which values no set
// reaches, how likely a whole deal finds a piece on the full board, and how
// likely it finds one when only the three hardest pieces are left.
struct CBoardFigures {
    static constexpr double kFullBoardTarget = 0.99;
    static constexpr double kHardestThreeTarget = 0.50;

    std::vector<int> m_unreachable;      // piece values that no set reaches
    std::uint64_t m_nFullWeight = 0;     // one set reaching any piece, out of 2^45
    std::uint64_t m_nHardestWeight = 0;  // the worst three pieces together
    int m_nHardest[3] = {-1, -1, -1};    // positions of those three pieces in the values
    int m_nDistinct = 0;

    double FullDeal() const { return CDealOdds::DealProbability(m_nFullWeight); }
    double HardestDeal() const { return CDealOdds::DealProbability(m_nHardestWeight); }
    bool MeetsFullBoard() const { return FullDeal() >= kFullBoardTarget; }
    bool MeetsHardestThree() const { return HardestDeal() >= kHardestThreeTarget; }

    // Measures the pieces' values (one per piece; repeats allowed). The three
    // hardest are the three pieces whose values together are least likely,
    // over every choice of three pieces.
    static CBoardFigures Measure(const CDealOdds& odds, const std::vector<int>& values);
};
