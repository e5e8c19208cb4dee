#pragma once

#include <string>

#include "game/COperatorSet.h"
#include "game/GameNames.h"

// The computer's strength. Expert is the design's computer, which always takes
// the piece worth most; the others pick among the obtainable pieces, favouring
// the better ones.
enum : int { kLevelBeginner = 0, kLevelIntermediate = 1, kLevelExpert = 2 };

// The choices that start a game, as the setup dialog hands them over. The
// defaults describe the game at start-up: one player, 26 pieces, all four
// operators, both signs.
struct CGameOptions {
    std::string m_strName1 = "Name";  // empty or "Name" means none given
    std::string m_strName2 = "Name";
    bool m_bOnePlayer = true;  // player two is the computer
    int m_nPieces = 26;        // 10, 16, 26 or 32
    COperatorSet m_operators;
    int m_nSignMode = kSignBoth;  // 0 only positive, 1 only negative, 2 both
    bool m_bSound = true;
    bool m_bShowQuickInstructions = true;
    int m_nLevel = kLevelExpert;  // of the computer in a one-player game

    std::string BoardKey() const { return ::BoardKey(m_operators, m_nSignMode); }
    std::string GameTitle() const { return ::GameTitle(m_nPieces, m_operators, m_nSignMode); }

    // "beginner", "intermediate", "expert"; anything else is expert.
    static const char* LevelName(int nLevel);
    // Game size index of the setup dialog (0..3) <-> pieces (10, 16, 26, 32).
    static int PiecesForSize(int nSize);    // anything outside 0..3 gives 26
    static int SizeForPieces(int nPieces);  // anything else gives 2
};
