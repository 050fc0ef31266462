// BM_Solve/<list>: solvePuzzle on every puzzle of a public list, the board reset to all
// zero before each puzzle as in a fresh `nonet -p` process. One iteration is one puzzle and
// the loop always runs whole passes over the list, so the time column is the mean time per
// puzzle and items_per_second reads puzzles per second.
// BM_SolvePlain/<list>: the same with the plain-scan oracle (tests/oracle), side by side.
// Answers are checked once per list before the timed loop: every answer other than 0 must
// be a valid grid that keeps the givens, and a list of proper puzzles never answers -1.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

#include "board/board.h"
#include "oracle/plain_board.h"
#include "puzzle_lists.h"
#include "solver/solver.h"

namespace {

BoardState plainState;

int solveReal(const BenchGrid& puzzle, int* answer) {
    std::memset(&board, 0, sizeof board);
    std::memcpy(board.arrayFields, puzzle.data(), sizeof board.arrayFields);
    return solvePuzzle(answer, 0);
}

int solvePlain(const BenchGrid& puzzle, int* answer) {
    std::memset(&plainState, 0, sizeof plainState);
    std::memcpy(plainState.arrayFields, puzzle.data(), sizeof plainState.arrayFields);
    return plain::solvePuzzle(plainState, answer, 0);
}

struct Verdicts {
    int one = 0, several = 0, none = 0;
    std::string error;
};

// Solves the whole list once, untimed; the result is kept per list and solver.
const Verdicts& checkedVerdicts(const std::string& key, const std::vector<BenchGrid>& puzzles,
                                bool properPuzzles, int (*solve)(const BenchGrid&, int*)) {
    static std::map<std::string, Verdicts> checked;
    const auto known = checked.find(key);
    if (known != checked.end()) return known->second;
    Verdicts& verdicts = checked[key];
    int answer[cellCount];
    for (size_t p = 0; p < puzzles.size() && verdicts.error.empty(); ++p) {
        const int result = solve(puzzles[p], answer);
        (result > 0 ? verdicts.one : result < 0 ? verdicts.several : verdicts.none) += 1;
        if (result != 0 && !solves(puzzles[p], answer))
            verdicts.error = "wrong answer to puzzle " + std::to_string(p);
        if (result < 0 && properPuzzles)
            verdicts.error = "two answers to the one-solution puzzle " + std::to_string(p);
    }
    return verdicts;
}

void runSolveBenchmark(benchmark::State& state, const char* file, bool plainSolver) {
    const std::vector<BenchGrid>& puzzles = puzzleList(file);
    if (puzzles.empty()) {
        state.SkipWithError("list not found (set NONET_DATA_DIR)");
        return;
    }
    const bool properPuzzles = std::string(file) != "serg_multi.txt";
    int (*solve)(const BenchGrid&, int*) = plainSolver ? solvePlain : solveReal;
    const Verdicts& verdicts = checkedVerdicts(std::string(file) + (plainSolver ? "/plain" : "/real"),
                                               puzzles, properPuzzles, solve);
    if (!verdicts.error.empty()) {
        state.SkipWithError(verdicts.error.c_str());
        return;
    }
    int answer[cellCount];
    while (state.KeepRunningBatch(static_cast<benchmark::IterationCount>(puzzles.size())))
        for (const BenchGrid& puzzle : puzzles) benchmark::DoNotOptimize(solve(puzzle, answer));
    state.SetItemsProcessed(state.iterations());
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
    state.counters["answered1"] = verdicts.one;
    state.counters["answered-1"] = verdicts.several;
    state.counters["answered0"] = verdicts.none;
}

void BM_Solve(benchmark::State& state, const char* file) { runSolveBenchmark(state, file, false); }
void BM_SolvePlain(benchmark::State& state, const char* file) { runSolveBenchmark(state, file, true); }

BENCHMARK_CAPTURE(BM_Solve, top95, "top95.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Solve, top1465, "top1465.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Solve, hardest1106, "hardest1106.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Solve, 17clue, "17clue.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Solve, serg_multi, "serg_multi.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolvePlain, top95, "top95.txt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolvePlain, top1465, "top1465.txt")->Unit(benchmark::kMicrosecond);

}  // namespace
