#pragma once

#include <string>
#include <vector>

#include "game/COperatorSet.h"

// Letters, characters and texts that name a game: they build the board key
// ("AS.P", "ASMD.A") and the game title shown in the records.

// Sign modes: 0 only positive, 1 only negative, 2 both.
constexpr int kSignPositive = 0;
constexpr int kSignNegative = 1;
constexpr int kSignBoth = 2;

char OperatorLetter(EOperator op);  // 'A', 'S', 'M', 'D'
char OperatorChar(EOperator op);    // '+', '-', '*', '/'
char SignLetter(int nSignMode);     // 'P', 'N', 'A'; anything else is treated as 2
// "only positive", "only negative", "both positive and negative"
std::string SignText(int nSignMode);
int SignModeForLetter(char letter);  // inverse of SignLetter; -1 for an unknown letter

// The operators' letters, '.', then the sign letter: "AM.P".
std::string BoardKey(const COperatorSet& ops, int nSignMode);
// "A 26 piece game with +-*/ operators and both positive and negative numbers allowed."
std::string GameTitle(int nPieces, const COperatorSet& ops, int nSignMode);

// The 45 board keys, operator sets in binary order (A first) then P, N, A.
std::vector<std::string> AllBoardKeys();
// Parses a board key back; false when it is not one of the 45.
bool ParseBoardKey(const std::string& key, COperatorSet& ops, int& nSignMode);
