#include "puzzle_checks.h"

#include <algorithm>
#include <cstdlib>

int emptyCellCount(const Grid& grid) { return static_cast<int>(std::count(grid.begin(), grid.end(), 0)); }

int ratioFromGivens(const Grid& puzzle) {
    int candidates = 0;
    int empty = 0;
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle[static_cast<size_t>(cell)] != 0) continue;
        ++empty;
        bool held[10] = {};
        const int row = cell / 9, column = cell % 9;
        for (int k = 0; k < 9; ++k) {
            held[puzzle[static_cast<size_t>(row * 9 + k)]] = true;
            held[puzzle[static_cast<size_t>(k * 9 + column)]] = true;
            const int blockCell = (row / 3 * 3 + k / 3) * 9 + column / 3 * 3 + k % 3;
            held[puzzle[static_cast<size_t>(blockCell)]] = true;
        }
        for (int digit = 1; digit <= 9; ++digit) candidates += held[digit] ? 0 : 1;
    }
    if (empty == 0) return -1;
    const float perCell = static_cast<float>(candidates) / static_cast<float>(empty);
    return static_cast<int>(perCell * 100.0f);
}

std::vector<std::string> generateArguments(int seed, const GenerateTarget& target, bool omitDefaults) {
    std::vector<std::string> args = {"-s", std::to_string(seed)};
    if (!omitDefaults || target.numberToHide != 320) {
        args.push_back("-n");
        args.push_back(std::to_string(target.numberToHide));
    }
    if (!omitDefaults || target.numberOfGuesses != 0) {
        args.push_back("-g");
        args.push_back(std::to_string(target.numberOfGuesses));
    }
    return args;
}

std::string noPuzzleMessage(const GenerateTarget& target) {
    return "No puzzle found for -n " + std::to_string(target.numberToHide) + " -g " +
           std::to_string(target.numberOfGuesses) + "\n";
}

std::string problemWithRun(const RunResult& run, const GenerateTarget& target) {
    if (!run.err.empty()) return "wrote to standard error: " + run.err;
    if (run.status == 2) return run.out == noPuzzleMessage(target) ? "" : "status 2 with output: " + run.out;
    if (run.status != 0) return "exit status " + std::to_string(run.status) + ", output: " + run.out;

    const std::string& line = run.out;
    if (std::count(line.begin(), line.end(), '|') != 1) return "not exactly one '|': " + line;
    if (std::count(line.begin(), line.end(), ':') != 160) return "not 160 ':': " + line;
    const size_t bar = line.find('|');
    Grid puzzle{}, solution{};
    if (!gridFromFields(line.substr(0, bar), &puzzle)) return "puzzle is not 81 fields: " + line;
    if (!gridFromFields(line.substr(bar + 1), &solution)) return "solution is not 81 fields: " + line;
    if (!isValidSolution(solution)) return "solution is not a valid complete grid: " + line;
    if (!agreesWithGivens(puzzle, solution)) return "a given differs from the solution: " + line;
    const int solutions = countSolutions(puzzle, 2);
    if (solutions == 0) return "puzzle has no solution: " + line;
    if (solutions > 1) return "puzzle has two or more solutions: " + line;

    const int empty = emptyCellCount(puzzle);
    if (target.numberToHide <= 100) {
        const int wanted = std::max(target.numberToHide, 1);  // at least one cell is emptied
        if (empty != wanted)
            return std::to_string(empty) + " empty cells, wanted " + std::to_string(wanted) + ": " + line;
    } else {
        const int ratio = ratioFromGivens(puzzle);
        if (std::abs(ratio - target.numberToHide) > 9)
            return "difficulty " + std::to_string(ratio) + ", wanted " + std::to_string(target.numberToHide) +
                   " within 9: " + line;
    }
    return "";
}
