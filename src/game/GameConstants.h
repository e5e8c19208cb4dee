#pragma once

// Sizes and sentinel values shared by the rules, the windows and the tools.

constexpr int kRows = 5;
constexpr int kColumns = 7;
constexpr int kCells = kRows * kColumns;  // board index = 7 * row + column, 0..34
constexpr int kCases = 104;               // case numbers 1..104

constexpr int kUnset = -1;        // empty slot, unset number, no case, no count
constexpr int kNoResult = -1000;  // the best value of a deal when no piece is obtainable

// m_nTakenBy values of a piece.
constexpr int kUntaken = 0;
constexpr int kTakenByOne = 1;  // player one, or blocked at the start
constexpr int kTakenByTwo = 2;
