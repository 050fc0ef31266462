// BM_UpdateAvailables: one whole-board candidate update on typical boards. The board does
// not change between iterations, so after the first call each iteration measures the
// common case of an update that finds little to change; /17clue_fresh empties the counts first,
// so every list is rebuilt from slot 0.
#include <benchmark/benchmark.h>

#include <cstring>

#include "board/board.h"
#include "solver/solver.h"

namespace {

// The first puzzles of 17clue.txt and top95.txt, '.' for an empty cell.
constexpr const char* firstOf17clue =
    ".................1.....2.3......3.2...1.4......5....6..3......4.7..8...962...7...";
constexpr const char* firstOfTop95 =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

struct UpdateBoard {
    const char* puzzle;    // nullptr: the empty board
    bool afterDeductions;  // run the search's deduction cycles first: where it would branch
    bool freshLists;       // empty every count before each update
};

void loadBoard(const UpdateBoard& setup) {
    std::memset(&board, 0, sizeof board);
    if (setup.puzzle != nullptr)
        for (int cell = 0; cell < cellCount; ++cell)
            board.arrayFields[cell] = setup.puzzle[cell] == '.' ? 0 : setup.puzzle[cell] - '0';
    int count = updateAvailables();
    if (!setup.afterDeductions) return;
    for (int previous = 0; count != previous;) {
        previous = count;
        while (solveOnes() != 0) {
        }
        while (solveUniques() != 0) {
        }
        count = updateAvailables();
    }
}

void BM_UpdateAvailables(benchmark::State& state, UpdateBoard setup) {
    loadBoard(setup);
    int emptyCells = 0;
    for (int cell = 0; cell < cellCount; ++cell) emptyCells += board.arrayFields[cell] == 0;
    for (auto _ : state) {
        if (setup.freshLists) std::memset(board.availablesCount, 0, sizeof board.availablesCount);
        benchmark::DoNotOptimize(updateAvailables());
        benchmark::ClobberMemory();
    }
    state.counters["emptyCells"] = emptyCells;
}

BENCHMARK_CAPTURE(BM_UpdateAvailables, empty, UpdateBoard{nullptr, false, false});
BENCHMARK_CAPTURE(BM_UpdateAvailables, 17clue, UpdateBoard{firstOf17clue, false, false});
BENCHMARK_CAPTURE(BM_UpdateAvailables, midSolve, UpdateBoard{firstOfTop95, true, false});
BENCHMARK_CAPTURE(BM_UpdateAvailables, 17clue_fresh, UpdateBoard{firstOf17clue, false, true});

}  // namespace
