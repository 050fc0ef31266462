// The generator's costs: one createGrid call, one hideBlocks call at the default target,
// and a whole generate run as `nonet -s K [-n N]` makes it, minus the process start-up.
// Every case draws from fixed seeds and runs a fixed number of iterations, so a run before
// and after a change does exactly the same work when the outputs are unchanged.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board/board.h"
#include "driver/driver.h"
#include "generator/generator.h"

namespace {

// Sends what the generate runs print to /dev/null while it lives.
class QuietStdout {
   public:
    QuietStdout() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietStdout() {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

   private:
    int saved_;
};

// Successive calls from one seeded sequence, failed fills (return 0) included.
void BM_CreateGrid(benchmark::State& state) {
    std::memset(&board, 0, sizeof board);
    srandom(1);
    int filled = 0;
    for (auto _ : state) filled += createGrid();
    state.SetItemsProcessed(state.iterations());
    state.counters["filledShare"] = benchmark::Counter(filled, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateGrid)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// The same attempt every iteration: the whole board (grid and lists) restored from the
// state after one createGrid, the generator reseeded.
void BM_HideBlocks(benchmark::State& state) {
    std::memset(&board, 0, sizeof board);
    srandom(4);
    while (createGrid() != 1) {
    }
    static BoardState filled;
    std::memcpy(&filled, &board, sizeof board);
    int result = 0;
    for (auto _ : state) {
        std::memcpy(&board, &filled, sizeof board);
        srandom(9);
        result = hideBlocks(320, 0);
    }
    int emptied = 0;
    for (int value : board.arrayFields) emptied += value == 0;
    state.counters["result"] = result;
    state.counters["emptied"] = emptied;
    state.counters["guesses"] = board.guesses;
}
BENCHMARK(BM_HideBlocks)->Unit(benchmark::kMicrosecond);

// Iteration k is `nonet -s k -n numberToHide` from a zeroed board, output to /dev/null.
void BM_Generate(benchmark::State& state, int numberToHide) {
    QuietStdout quiet;
    unsigned seed = 1;
    int found = 0;
    for (auto _ : state) {
        std::memset(&board, 0, sizeof board);
        srandom(seed++);
        found += runGenerateMode(numberToHide, 0, defaultGenerateLimits) == exitOk;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["foundShare"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Generate, default, 320)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, n55, 55)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generate, n400, 400)->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace
