#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <vector>

#include "game/CCaseEnumerator.h"

// Exact odds of the deal. A dealt number (DealNumberFromDraw) comes from a
// draw uniform in 0..32767, so the eleven numbers are not equally likely (10
// needs the draw 32767). The odds of one set of three numbers reaching a
// board value are counted over all 11^3 sets with their exact weights, out of
// 32768^3.
class CDealOdds {
public:
    static constexpr int kNumbers = 11;  // 0..10
    static constexpr int kSets = kNumbers * kNumbers * kNumbers;
    static constexpr int kSetsPerDeal = 15;
    static constexpr std::uint64_t kDraws = 32768;
    static constexpr std::uint64_t kSetTotal = kDraws * kDraws * kDraws;  // 2^45

    using CSetMask = std::bitset<kSets>;  // bit 121 a + 11 b + c

    static std::uint64_t NumberWeight(int n);  // how many draws give n; they add up to 32768

    // Enumerates every set of numbers with the search of these operators and sign rule.
    CDealOdds(const COperatorSet& ops, bool bPositiveOnly);

    // Values some set reaches, ascending.
    std::vector<int> ReachableValues() const;
    bool IsReachable(int nValue) const { return m_reach.count(nValue) != 0; }
    // Sets reaching the value (empty when none does).
    CSetMask SetsReaching(int nValue) const;
    // Weight (out of kSetTotal) of the sets reaching at least one of the values.
    std::uint64_t Weight(const CSetMask& sets) const;
    std::uint64_t WeightOfValues(const std::vector<int>& values) const;

    static double SetProbability(std::uint64_t weight) {
        return static_cast<double>(weight) / static_cast<double>(kSetTotal);
    }
    // A deal shows 15 independent sets and keeps the first one that reaches.
    static double DealProbability(std::uint64_t weight);

private:
    std::map<int, CSetMask> m_reach;
    // Sets grouped by weight, so a mask's weight is a few popcounts.
    std::vector<std::pair<std::uint64_t, CSetMask>> m_weightClasses;
};
