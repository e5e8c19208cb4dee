#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/CBoard.h"

// Boards written the way board files write them: "value ,0" per cell.
inline std::vector<std::string> LinesOf(const std::array<int, kCells>& values) {
    std::vector<std::string> lines;
    for (int v : values) lines.push_back(std::to_string(v) + " ,0");
    return lines;
}

inline CBoard BoardOf(const std::array<int, kCells>& values) {
    CBoard board;
    board.LoadLines(LinesOf(values));
    return board;
}

inline CBoard BoardOfValue(int value) {
    std::array<int, kCells> values;
    values.fill(value);
    return BoardOf(values);
}

// Takes the given cells for player one, then counts as after a move.
inline void TakeAndRefresh(CBoard& board, const std::vector<int>& indexes) {
    for (int i : indexes) board.TakePiece(i, kTakenByOne);
    board.RefreshCounts();
}

inline std::vector<int> RankedIndexes(const CBoard& board) {
    std::vector<int> ranked;
    for (int i : board.Ranked())
        if (i != kUnset) ranked.push_back(i);
    return ranked;
}

// "AS" -> addition and subtraction.
inline COperatorSet OperatorsOf(const std::string& letters) {
    auto has = [&](char letter) { return letters.find(letter) != std::string::npos; };
    return {has('A'), has('S'), has('M'), has('D')};
}
