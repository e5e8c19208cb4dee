#include "CBoardDesigner.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "game/GameConstants.h"
#include "game/GameNames.h"
#include "game/SetupRules.h"

namespace {

bool HasSign(const std::vector<int>& values, bool bNegative) {
    return std::any_of(values.begin(), values.end(), [&](int v) { return (v < 0) == bNegative; });
}

std::uint32_t Seed(const std::string& key) {
    std::uint32_t hash = 2166136261u;  // FNV-1a keeps every board's layout fixed
    for (unsigned char ch : key) hash = (hash ^ ch) * 16777619u;
    return hash;
}

bool HasEqualNeighbour(const std::vector<int>& values, int index) {
    const int row = index / kColumns;
    const int column = index % kColumns;
    for (int r = std::max(0, row - 1); r <= std::min(kRows - 1, row + 1); ++r) {
        for (int c = std::max(0, column - 1); c <= std::min(kColumns - 1, column + 1); ++c) {
            const int other = r * kColumns + c;
            if (other != index && values[other] == values[index]) return true;
        }
    }
    return false;
}

}  // namespace

bool CBoardDesigner::IsPlayable(const std::string& key, std::string* pReason) {
    COperatorSet ops;
    int sign = kSignBoth;
    if (!ParseBoardKey(key, ops, sign)) return false;
    const ESetupRule rule = BrokenSetupRule(ops, sign);
    if (rule != ESetupRule::Valid && pReason) {
        // The setup dialog's own message, on one line.
        std::string reason = SetupRuleMessage(rule);
        std::replace(reason.begin(), reason.end(), '\n', ' ');
        *pReason = reason;
    }
    return rule == ESetupRule::Valid;
}

std::string CBoardDesigner::Line(int nValue) {
    return std::to_string(nValue) + " ,0";
}

CBoardDesign CBoardDesigner::Design(const std::string& key) {
    CBoardDesign design;
    design.m_strKey = key;
    COperatorSet ops;
    int sign = kSignBoth;
    if (!ParseBoardKey(key, ops, sign)) return design;
    design.m_bPlayable = IsPlayable(key, &design.m_strNote);

    const CDealOdds odds(ops, sign == kSignPositive);
    std::vector<int> candidates;
    for (int v : odds.ReachableValues()) {
        if (sign == kSignBoth || (v < 0) == (sign == kSignNegative)) candidates.push_back(v);
    }
    const bool bSignsReached = sign == kSignBoth
                                   ? HasSign(candidates, true) && HasSign(candidates, false)
                                   : !candidates.empty();
    if (bSignsReached) {
        design.m_values = Arrange(ChooseValues(odds, candidates, sign == kSignBoth), key);
    } else {
        // No deal reaches numbers of this sign: keep the file in the board's
        // sign convention by mirroring the positive board of the same operators.
        const std::string positive = BoardKey(ops, kSignPositive);
        design.m_values = MirrorSigns(Design(positive).m_values, sign);
        design.m_strNote += "; no deal reaches its signs, values mirrored from " + positive;
    }
    design.m_figures = CBoardFigures::Measure(odds, design.m_values);
    return design;
}

std::vector<int> CBoardDesigner::ChooseValues(const CDealOdds& odds, std::vector<int> candidates,
                                              bool bBalanceSigns) {
    auto weight = [&](int v) { return odds.Weight(odds.SetsReaching(v)); };
    std::sort(candidates.begin(), candidates.end(), [&](int x, int y) {
        if (weight(x) != weight(y)) return weight(x) > weight(y);
        if (std::abs(x) != std::abs(y)) return std::abs(x) < std::abs(y);
        return x > y;
    });
    if (bBalanceSigns) {
        // Alternate between the two signs, each in its own order of ease.
        std::vector<int> positive, negative, merged;
        for (int v : candidates) (v < 0 ? negative : positive).push_back(v);
        for (std::size_t i = 0; i < std::max(positive.size(), negative.size()); ++i) {
            if (i < positive.size()) merged.push_back(positive[i]);
            if (i < negative.size()) merged.push_back(negative[i]);
        }
        candidates = merged;
    }

    std::vector<int> chosen;
    std::vector<CDealOdds::CSetMask> masks;
    for (int v : candidates) {
        if (chosen.size() == static_cast<std::size_t>(kCells)) break;
        const CDealOdds::CSetMask mask = odds.SetsReaching(v);
        if (!KeepsHardestThree(odds, masks, mask)) continue;
        chosen.push_back(v);
        masks.push_back(mask);
    }
    if (chosen.size() == static_cast<std::size_t>(kCells)) return chosen;

    // Too few values: each spare cell repeats a chosen value, taking turns from
    // the easiest one, skipping a value whose repeat would let three pieces
    // fall short; 0-like values that keep every three pieces easy always fit.
    std::vector<int> byEase = chosen;
    std::stable_sort(byEase.begin(), byEase.end(),
                     [&](int x, int y) { return weight(x) > weight(y); });
    std::size_t turn = 0;
    while (chosen.size() < static_cast<std::size_t>(kCells)) {
        int pick = byEase.front();
        for (std::size_t tried = 0; tried < byEase.size(); ++tried) {
            const int v = byEase[(turn + tried) % byEase.size()];
            if (KeepsHardestThree(odds, masks, odds.SetsReaching(v))) {
                pick = v;
                turn += tried + 1;
                break;
            }
        }
        chosen.push_back(pick);
        masks.push_back(odds.SetsReaching(pick));
    }
    return chosen;
}

bool CBoardDesigner::KeepsHardestThree(const CDealOdds& odds,
                                       const std::vector<CDealOdds::CSetMask>& masks,
                                       const CDealOdds::CSetMask& added) {
    for (std::size_t i = 0; i < masks.size(); ++i) {
        for (std::size_t j = i + 1; j < masks.size(); ++j) {
            if (CDealOdds::DealProbability(odds.Weight(masks[i] | masks[j] | added)) <
                CBoardFigures::kHardestThreeTarget) {
                return false;
            }
        }
    }
    return true;
}

std::vector<int> CBoardDesigner::Arrange(std::vector<int> values, const std::string& key) {
    std::mt19937 random(Seed(key));
    // Fisher-Yates with the generator's raw output, so every platform agrees.
    for (std::size_t i = values.size(); i > 1; --i) {
        std::swap(values[i - 1], values[random() % i]);
    }
    for (int pass = 0; pass < 20; ++pass) {
        bool bMoved = false;
        for (int i = 0; i < kCells; ++i) {
            if (!HasEqualNeighbour(values, i)) continue;
            for (int j = 0; j < kCells; ++j) {
                if (values[i] == values[j]) continue;
                std::swap(values[i], values[j]);
                if (!HasEqualNeighbour(values, i) && !HasEqualNeighbour(values, j)) {
                    bMoved = true;
                    break;
                }
                std::swap(values[i], values[j]);
            }
        }
        if (!bMoved) break;
    }
    return values;
}

std::vector<int> CBoardDesigner::MirrorSigns(const std::vector<int>& values, int nSignMode) {
    std::vector<int> mirrored = values;
    for (int i = 0; i < static_cast<int>(mirrored.size()); ++i) {
        const int v = mirrored[i];
        if (nSignMode == kSignNegative) {
            mirrored[i] = v > 0 ? -v : -1;
        } else if ((i / kColumns + i % kColumns) % 2 == 1) {
            mirrored[i] = -v;  // a checkerboard of negated cells
        }
    }
    return mirrored;
}
