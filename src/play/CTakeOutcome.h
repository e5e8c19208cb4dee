#pragma once

#include <vector>

// What a click on a board cell came to, for the window to show and sound.
struct CTakeOutcome {
    enum EKind {
        Ignored,  // a take is being shown: the click is not the user's (nothing to hear)
        Refused,  // the piece may not be taken now ("data\no.wav")
        Taken,    // the mover's now
    };
    EKind m_eKind = Ignored;
    int m_nIndex = -1;
    int m_nPlayer = -1;  // 0 or 1, who took it
    int m_nPoints = 0;   // 1 + the taken neighbours counted before the take
    std::vector<int> m_neighbours;  // the taken or blocked neighbours, in the order they flash
};
