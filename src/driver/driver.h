// The command-line driver: the option grammar, the grid printers and the two run modes.
// Functions here return an exit status instead of calling exit(), so that tests and
// fuzzers can drive a whole run in process; main() only returns what runNonet returns.
#pragma once

/// What the argument list asked for.
struct Settings {
    int numberToHide = 320;    // up to 100: cells to empty; above: candidates per emptied cell, in hundredths
    int numberOfGuesses = 0;   // branchings the thinning must exceed; 0 asks for none
    bool puzzleGiven = false;  // -p seen: solve mode, puzzle in board.arrayFields
    bool seedGiven = false;    // -s seen: seed the generator with `seed` instead of the clock
    int seed = 0;
};

/// How hard generate mode tries before it gives up with exit status 2.
struct GenerateLimits {
    int attemptsPerGrid;  // hideBlocks calls on one complete grid
    int gridsPerRun;      // complete grids tried
};
constexpr GenerateLimits defaultGenerateLimits = {100, 50};

/// Exit statuses.
constexpr int exitOk = 0;
constexpr int exitUsage = 1;      // an argument list error, message printed
constexpr int exitNoPuzzle = 2;   // generate mode gave up on its target

/// Reads argv[1..argc-1] into `settings`, loading a -p puzzle into board.arrayFields.
/// Returns exitOk, or exitUsage after printing the error's message.
int readOptions(int argc, const char* const* argv, Settings* settings);

/// Solves board.arrayFields and prints the solution when it is unique. Returns exitOk.
int runSolveMode();

/// Makes and prints a puzzle line "puzzle|solution" for the targets. Returns exitOk, or
/// exitNoPuzzle after printing "No puzzle found ..." when the limits ran out or the count
/// target cannot be met by any puzzle.
int runGenerateMode(int numberToHide, int numberOfGuesses, GenerateLimits limits);

/// A whole run: options, seeding, one mode. Returns the exit status.
int runNonet(int argc, const char* const* argv, GenerateLimits limits);

/// The output format: the 81 cells separated by ":", an empty cell an empty field, no line end.
void displayJsVersion(const int* grid);

/// Diagnostics: nine lines of nine entries, each followed by a space; an empty cell shows
/// "X" when it is cell `markedCell`, else "-".
void displayGrid(const int* grid, int markedCell);

/// Diagnostics: the 81 values one after another, 0 for an empty cell, no separator.
void displayCVersion(const int* grid);

/// Diagnostics: the first `length` values separated by ",".
void displayArray(const int* list, int length);

/// Diagnostics: two spaces per level.
void tabber(int level);
