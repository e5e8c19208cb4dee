#include "game/CBoardFigures.h"

#include <set>

CBoardFigures CBoardFigures::Measure(const CDealOdds& odds, const std::vector<int>& values) {
    CBoardFigures figures;
    figures.m_nDistinct = static_cast<int>(std::set<int>(values.begin(), values.end()).size());
    std::vector<CDealOdds::CSetMask> reach;
    CDealOdds::CSetMask all;
    for (int v : values) {
        reach.push_back(odds.SetsReaching(v));
        all |= reach.back();
        if (!odds.IsReachable(v)) figures.m_unreachable.push_back(v);
    }
    figures.m_nFullWeight = odds.Weight(all);

    const int n = static_cast<int>(values.size());
    if (n < 3) {
        figures.m_nHardestWeight = figures.m_nFullWeight;
        return figures;
    }
    figures.m_nHardestWeight = CDealOdds::kSetTotal + 1;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const CDealOdds::CSetMask pair = reach[i] | reach[j];
            for (int k = j + 1; k < n; ++k) {
                const std::uint64_t weight = odds.Weight(pair | reach[k]);
                if (weight < figures.m_nHardestWeight) {
                    figures.m_nHardestWeight = weight;
                    figures.m_nHardest[0] = i;
                    figures.m_nHardest[1] = j;
                    figures.m_nHardest[2] = k;
                }
            }
        }
    }
    return figures;
}
