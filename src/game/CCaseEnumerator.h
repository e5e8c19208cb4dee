#pragma once

#include <array>

#include "game/GameConstants.h"

// The operators a search may use and its sign flag.
struct COperatorFlags {
    bool m_bAdd = true;
    bool m_bSubtract = true;
    bool m_bMultiply = true;
    bool m_bDivide = true;
    bool m_bPositiveOnly = false;
};

// Computes the 104 expression shapes of three numbers and two operators.
class CCaseEnumerator {
public:
    // For every family whose operators are all allowed, writes each case's
    // value into results[k - 1] and sets valid[k - 1]. A case writes nothing
    // when a division has a zero divisor or a remainder, when a value leaves
    // 32 bits, or when a sign rule drops it. Entries of other cases are left
    // untouched, so the caller resets both arrays first.
    static void Enumerate(const COperatorFlags& flags, int a, int b, int c,
                          std::array<int, kCases>& results, std::array<bool, kCases>& valid);
};
