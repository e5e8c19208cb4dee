#pragma once

#include <string>
#include <vector>

// Letters, characters and texts that name a game: they build the board key
// ("AS.P", "ASMD.A") and the game title shown in the records.

enum class EOperator { Add, Subtract, Multiply, Divide };

// Sign modes: 0 only positive, 1 only negative, 2 both.
constexpr int kSignPositive = 0;
constexpr int kSignNegative = 1;
constexpr int kSignBoth = 2;

char OperatorLetter(EOperator op);  // 'A', 'S', 'M', 'D'
char OperatorChar(EOperator op);    // '+', '-', '*', '/'
char SignLetter(int nSignMode);     // 'P', 'N', 'A'; anything else is treated as 2
std::string SignText(
    int nSignMode);  // "only positive", "only negative", "both positive and negative"
int SignModeForLetter(char letter);  // inverse of SignLetter; -1 for an unknown letter

// "+-*/" for the allowed operators, in this order.
std::string OperatorText(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide);
// Letters of the allowed operators in the order A, S, M, D, then '.', then the sign letter.
std::string BoardKey(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, int nSignMode);
// "A 26 piece game with +-*/ operators and both positive and negative numbers allowed."
std::string GameTitle(int nPieces, bool bAdd, bool bSubtract, bool bMultiply, bool bDivide,
                      int nSignMode);

// Whether the setup dialog lets a game use these operators with this sign mode:
// at least one operator, never division alone, without subtraction only positive
// numbers, and subtraction alone or with division only never positive-only.
bool IsPlayableSetup(bool bAdd, bool bSubtract, bool bMultiply, bool bDivide, int nSignMode);

// The 45 board keys, operator sets in binary order (A first) then P, N, A.
std::vector<std::string> AllBoardKeys();
// Parses a board key back; false when it is not one of the 45.
bool ParseBoardKey(const std::string& key, bool& bAdd, bool& bSubtract, bool& bMultiply,
                   bool& bDivide, int& nSignMode);
