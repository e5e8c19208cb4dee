#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/CBoard.h"
#include "platform/IRandom.h"

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
    for (int i : board.m_ranked) {
        if (i != kUnset) ranked.push_back(i);
    }
    return ranked;
}

// A plain linear congruential source for tests that need many draws.
class CLcgRandom : public IRandom {
public:
    explicit CLcgRandom(std::uint32_t seed) : m_state(seed) {}
    int Next() override { return static_cast<int>((Step() >> 16) & 0x7FFF); }
    int Below(int range) {
        return static_cast<int>((Step() >> 8) % static_cast<std::uint32_t>(range));
    }

private:
    std::uint32_t Step() { return m_state = m_state * 1103515245u + 12345u; }
    std::uint32_t m_state;
};
