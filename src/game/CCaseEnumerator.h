#pragma once

#include <array>
#include <optional>

#include "game/COperatorSet.h"
#include "game/GameConstants.h"

// Entry k - 1 holds case k's result; empty when the case gives none.
using CCaseResults = std::array<std::optional<int>, kCases>;

// Computes the 104 expression shapes of three numbers and two operators.
class CCaseEnumerator {
public:
    // Every case of a family whose operators are all allowed gets its value,
    // except when a division has a zero divisor or a remainder, when a value
    // leaves 32 bits, or when a sign rule drops it (bPositiveOnly: a game of
    // positive numbers only, which never proposes a negative first row).
    static CCaseResults Enumerate(const COperatorSet& ops, bool bPositiveOnly, int a, int b, int c);
};
