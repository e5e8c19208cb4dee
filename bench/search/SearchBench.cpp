#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "game/CBoard.h"

// Every set of numbers a deal can show, walked in turn so the search never
// sees the same numbers twice in a row.
namespace {

const std::vector<std::array<int, 3>>& AllSets() {
    static const std::vector<std::array<int, 3>> sets = [] {
        std::vector<std::array<int, 3>> s;
        for (int a = 0; a <= 10; ++a)
            for (int b = 0; b <= 10; ++b)
                for (int c = 0; c <= 10; ++c) s.push_back({a, b, c});
        return s;
    }();
    return sets;
}

CBoard StartBoard() {
    CBoard board;
    if (!board.LoadFile(std::string(TALLYFOLD_DATA_DIR) + "/ASMD.A")) std::abort();
    return board;
}

void Run(benchmark::State& state, CBoard& board) {
    const auto& sets = AllSets();
    std::size_t next = 0;
    int found = 0;
    for (auto _ : state) {
        const auto& set = sets[next];
        next = next + 1 == sets.size() ? 0 : next + 1;
        const CBestPiece best = board.FindBestPiece(set[0], set[1], set[2]);
        found += best.m_bFound ? 1 : 0;
        benchmark::DoNotOptimize(best);
    }
    state.counters["found"] =
        benchmark::Counter(static_cast<double>(found) / static_cast<double>(state.iterations()));
}

void FullBoard(benchmark::State& state) {
    CBoard board = StartBoard();
    Run(state, board);
}

void NearlyEmptyBoard(benchmark::State& state) {
    CBoard board = StartBoard();
    for (int i = 0; i < kCells; ++i) {
        if (i != 3 && i != 31) board.TakePiece(i, kTakenByOne);
    }
    board.RefreshCounts();
    Run(state, board);
}

void FullBoardNothingMatches(benchmark::State& state) {
    // 997 is prime and above 100, so no set reaches it: every piece is scanned.
    std::vector<std::string> lines(kCells, "997 ,0");
    CBoard board;
    board.LoadLines(lines);
    Run(state, board);
}

void LargeValuesNothingMatches(benchmark::State& state) {
    // Values no caption of a board file would hold and no deal reaches.
    std::vector<std::string> lines(kCells, "50000 ,0");
    CBoard board;
    board.LoadLines(lines);
    Run(state, board);
}

}  // namespace

BENCHMARK(FullBoard);
BENCHMARK(NearlyEmptyBoard);
BENCHMARK(FullBoardNothingMatches);
BENCHMARK(LargeValuesNothingMatches);
BENCHMARK_MAIN();
