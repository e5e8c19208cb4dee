#include "game/CDealOdds.h"

#include <cmath>

#include "game/Deal.h"

std::uint64_t CDealOdds::NumberWeight(int n) {
    static const std::array<std::uint64_t, kNumbers> weights = [] {
        std::array<std::uint64_t, kNumbers> w{};
        for (int r = 0; r < static_cast<int>(kDraws); ++r) ++w[DealNumberFromDraw(r)];
        return w;
    }();
    return n >= 0 && n < kNumbers ? weights[n] : 0;
}

CDealOdds::CDealOdds(const COperatorSet& ops, bool bPositiveOnly) {
    std::map<std::uint64_t, CSetMask> classes;
    for (int a = 0; a < kNumbers; ++a) {
        for (int b = 0; b < kNumbers; ++b) {
            for (int c = 0; c < kNumbers; ++c) {
                const int set = (a * kNumbers + b) * kNumbers + c;
                classes[NumberWeight(a) * NumberWeight(b) * NumberWeight(c)].set(set);
                for (const std::optional<int>& result :
                     CCaseEnumerator::Enumerate(ops, bPositiveOnly, a, b, c)) {
                    if (result) m_reach[*result].set(set);
                }
            }
        }
    }
    m_weightClasses.assign(classes.begin(), classes.end());
}

std::vector<int> CDealOdds::ReachableValues() const {
    std::vector<int> values;
    for (const auto& entry : m_reach) values.push_back(entry.first);
    return values;
}

CDealOdds::CSetMask CDealOdds::SetsReaching(int nValue) const {
    const auto found = m_reach.find(nValue);
    return found == m_reach.end() ? CSetMask() : found->second;
}

std::uint64_t CDealOdds::Weight(const CSetMask& sets) const {
    std::uint64_t weight = 0;
    for (const auto& weightClass : m_weightClasses) {
        weight += weightClass.first * (sets & weightClass.second).count();
    }
    return weight;
}

std::uint64_t CDealOdds::WeightOfValues(const std::vector<int>& values) const {
    CSetMask sets;
    for (int v : values) sets |= SetsReaching(v);
    return Weight(sets);
}

double CDealOdds::DealProbability(std::uint64_t weight) {
    const long double miss = 1.0L - static_cast<long double>(weight) / kSetTotal;
    return static_cast<double>(1.0L - std::pow(miss, kSetsPerDeal));
}
