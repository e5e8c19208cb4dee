#pragma once

#include <string>
#include <vector>

#include "game/CBoard.h"

// One piece the dealt numbers can reach, with the pair of equations that
// reaches it as the game writes them ("3 + 4 = 7", "7 * 2 = 14").
struct CMove {
    int m_nIndex = -1;  // board index 0..34
    int m_nValue = 0;
    int m_nPoints = 0;  // 1 + its taken or blocked neighbours
    int m_nCase = -1;   // the lowest case reaching the value
    std::string m_strFirst, m_strSecond;
};

// Every obtainable piece for three dealt numbers, in the search's own order:
// the board's ranking (most points first), so the first move is the one
// FindBestPiece finds. Worked out on a copy of the board.
class CMoveList {
public:
    static std::vector<CMove> For(CBoard board, int a, int b, int c);
    // The two rows of case k for a, b, c; empty texts when the case gives no result.
    static void Equations(int nCase, int a, int b, int c, std::string& first, std::string& second);
};
