// Checks on generated puzzles, made from the printed grids alone with the independent
// counter of tests/support. Shared by the generator tests and the soak.
#pragma once
#include <string>
#include <vector>

#include "support/counter.h"
#include "support/run_nonet.h"

/// Number of empty (0) cells of `grid`.
int emptyCellCount(const Grid& grid);

/// The difficulty of a puzzle recomputed from its givens: the candidates of each empty cell
/// (digits no given of its row, column or block holds) summed, over the number of empty
/// cells, times 100, in single precision, truncated. -1 when no cell is empty.
int ratioFromGivens(const Grid& puzzle);

/// What one generate run asked for: the -n and -g values (320 and 0 when not given).
struct GenerateTarget {
    int numberToHide = 320;
    int numberOfGuesses = 0;
};

/// The argument list of a generate run with seed `seed` and `target`; the options that
/// equal the defaults are left out when `omitDefaults` is true.
std::vector<std::string> generateArguments(int seed, const GenerateTarget& target, bool omitDefaults);

/// "No puzzle found for -n N -g G\n" for `target`.
std::string noPuzzleMessage(const GenerateTarget& target);

/// What was wrong with the output of a run of generate mode with `target`, or "" when
/// nothing was. Status 0 must print one sound puzzle line (one "|", 160 ":", no line end,
/// givens that agree with a valid solution, exactly one solution, the count or the
/// difficulty met); status 2 the no-puzzle message; nothing may reach standard error.
std::string problemWithRun(const RunResult& run, const GenerateTarget& target);
