#pragma once

#include <optional>
#include <string>

#include "game/GameConstants.h"

// Turns a case number 1..104 back into a move: the operator of each row and
// which number goes into each of the four slots.
struct CCaseEntry {
    char m_cFirst = '+';   // operator of the first row (button 1006)
    char m_cSecond = '+';  // operator of the second row (button 1007)
    // Indexes into the numbers for slots 2001, 2002, 2003, 2004: 0, 1, 2 are the
    // dealt a, b, c; 3 is the first row's result R.
    int m_nSlot[4] = {0, 1, 2, 3};
};

class CCaseTable {
public:
    static bool IsCase(int nCase) { return nCase >= 1 && nCase <= kCases; }
    // The entry of a case 1..104; none for any other number.
    static std::optional<CCaseEntry> Entry(int nCase);
    // The expression as a player reads it, e.g. "c + (a + b)" for case 1;
    // "" outside 1..104.
    static std::string ShapeText(int nCase);
    // The same with the numbers in place, e.g. "4 + (2 + 3)"; "" outside 1..104.
    static std::string ExpressionText(int nCase, int a, int b, int c);
};
