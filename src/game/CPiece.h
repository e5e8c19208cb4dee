#pragma once

#include <string>

#include "game/GameConstants.h"

// One cell's piece as the rules see it. A cell the board file did not
// describe has m_bExists false and never counts or can be taken.
struct CPiece {
    bool m_bExists = false;
    std::string m_strCaption;    // the text shown on the piece
    int m_nValue = 0;            // what a move's result must equal
    int m_nValue2 = 0;           // second number of the board-file line; unused by rules
    int m_nTakenBy = kUntaken;   // 0 untaken, 1 player one or blocked, 2 player two
    int m_nTakenNeighbours = 0;  // taken or blocked neighbours at the last RefreshCounts

    bool IsUntaken() const { return m_bExists && m_nTakenBy == kUntaken; }
    bool IsTaken() const { return m_bExists && m_nTakenBy != kUntaken; }
};
