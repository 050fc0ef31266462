// The two run modes and a whole run.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "board/board.h"
#include "driver/driver.h"
#include "generator/generator.h"
#include "solver/solver.h"

namespace {

// No puzzle with fewer than 17 givens has one solution, and a count above 81 exceeds the
// grid: counts from 65 to 100 can never be met.
bool countTargetUnreachable(int numberToHide) { return numberToHide >= 65 && numberToHide <= 100; }

int reportNoPuzzle(int numberToHide, int numberOfGuesses) {
    std::printf("No puzzle found for -n %d -g %d\n", numberToHide, numberOfGuesses);
    return exitNoPuzzle;
}

// Thins the complete grid in board.solution, starting again from it after each failed
// attempt. Returns 1 when board.arrayFields holds an accepted puzzle.
int thinGrid(int numberToHide, int numberOfGuesses, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) std::memcpy(board.arrayFields, board.solution, sizeof board.solution);
        if (hideBlocks(numberToHide, numberOfGuesses) == 1) return 1;
    }
    return 0;
}

void printPuzzleLine() {
    displayJsVersion(board.arrayFields);
    std::fputs("|", stdout);
    displayJsVersion(board.solution);
}

}  // namespace

int runSolveMode() {
    if (solveUniquely(board.solution) > 0) displayJsVersion(board.solution);
    return exitOk;
}

int runGenerateMode(int numberToHide, int numberOfGuesses, GenerateLimits limits) {
    if (countTargetUnreachable(numberToHide)) return reportNoPuzzle(numberToHide, numberOfGuesses);
    int grids = 0;
    while (grids < limits.gridsPerRun) {
        if (createGrid() != 1) continue;  // a failed fill is no grid
        ++grids;
        std::memcpy(board.solution, board.arrayFields, sizeof board.arrayFields);
        if (thinGrid(numberToHide, numberOfGuesses, limits.attemptsPerGrid) != 1) continue;
        if (checkForDuplicates(board.solution) == 1) continue;
        printPuzzleLine();
        return exitOk;
    }
    return reportNoPuzzle(numberToHide, numberOfGuesses);
}

int runNonet(int argc, const char* const* argv, GenerateLimits limits) {
    Settings settings;
    const int status = readOptions(argc, argv, &settings);
    if (status != exitOk) return status;
    // The same -s and options always give the same output; without -s the clock seeds.
    srandom(settings.seedGiven ? static_cast<unsigned>(settings.seed)
                               : static_cast<unsigned>(std::time(nullptr)));
    if (settings.puzzleGiven) return runSolveMode();
    return runGenerateMode(settings.numberToHide, settings.numberOfGuesses, limits);
}
