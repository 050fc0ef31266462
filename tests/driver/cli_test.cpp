// The whole tool as callers see it: exact stdout bytes, exit status, nothing on stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "board/test_grids.h"
#include "support/counter.h"
#include "support/run_nonet.h"

namespace {

using testgrids::fieldsOf;
using testgrids::uniquePuzzle;
using testgrids::validGrid;
using testgrids::withCells;

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string out;
    int status;
};

// Failure messages show the arguments, not the bytes of the struct.
void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.name << ":";
    for (const std::string& a : c.args) *os << " '" << a << "'";
}

const std::string solution = fieldsOf(validGrid);  // the output for uniquePuzzle

// validGrid with the digits 1 and 2 exchanged: another complete valid grid.
std::string relabelledGrid() {
    std::string grid = validGrid;
    for (char& c : grid) c = c == '1' ? '2' : c == '2' ? '1' : c;
    return grid;
}

// uniquePuzzle written with full stops, as the public lists are: every '.' is a filled cell
// holding -2, so the board is complete and breaks the rules.
std::string withFullStops(std::string text) {
    std::replace(text.begin(), text.end(), '0', '.');
    return text;
}

const CliCase usageCases[] = {
    {"PAlone", {"-p"}, "Usage: -p puzzle\n", 1},
    {"NAlone", {"-n"}, "Usage: -n numberToHide\n", 1},
    {"GAlone", {"-g"}, "Usage: -g numberOfGuesses\n", 1},
    {"SAlone", {"-s"}, "Usage: -s seed\n", 1},
    {"UpperPAlone", {"-P"}, "Usage: -p puzzle\n", 1},
    {"UpperNAlone", {"-N"}, "Usage: -n numberToHide\n", 1},
    {"UpperGAlone", {"-G"}, "Usage: -g numberOfGuesses\n", 1},
    {"UpperSAlone", {"-S"}, "Usage: -s seed\n", 1},
    {"PuzzleWordAlone", {"-puzzle"}, "Usage: -p puzzle\n", 1},
    {"LastOptionAfterValues", {"-n", "5", "-g"}, "Usage: -g numberOfGuesses\n", 1},
    {"RepeatedSeedLast", {"-s", "3", "-s"}, "Usage: -s seed\n", 1},
    {"NAfterPuzzleSolvesNothing", {"-p", uniquePuzzle, "-n"}, "Usage: -n numberToHide\n", 1},
};

const CliCase unknownCases[] = {
    {"LoneDash", {"-"}, "Argument '-' not known\n", 1},
    {"EmptyArgument", {""}, "Argument '' not known\n", 1},
    {"NoDash", {"x"}, "Argument 'x' not known\n", 1},
    {"OptionLetterWithoutDash", {"p", uniquePuzzle}, "Argument 'p' not known\n", 1},
    {"UnknownLetter", {"-x"}, "Argument '-x' not known\n", 1},
    {"UnknownLetterWithValue", {"-x", "5"}, "Argument '-x' not known\n", 1},
    {"UnknownLetterLastAfterPuzzle", {"-p", uniquePuzzle, "-x"}, "Argument '-x' not known\n", 1},
    {"NoDashAfterValue", {"-n", "5", "x"}, "Argument 'x' not known\n", 1},
    {"DoubleDash", {"--p", uniquePuzzle}, "Argument '--p' not known\n", 1},
    {"LeadingSpace", {" -p", uniquePuzzle}, "Argument ' -p' not known\n", 1},
    {"PercentIsNotAFormat", {"-%s%n"}, "Argument '-%s%n' not known\n", 1},
    {"BadArgumentBeforeShortPuzzle", {"-x", "-p", "123"}, "Argument '-x' not known\n", 1},
};

const std::string shortMessage = "Puzzle must have 81 characters\n";

const CliCase shortPuzzleCases[] = {
    {"ShortPuzzle", {"-p", "123"}, shortMessage, 1},
    {"EmptyPuzzle", {"-p", ""}, shortMessage, 1},
    {"EightyCharacters", {"-p", uniquePuzzle.substr(0, 80)}, shortMessage, 1},
    {"ShortBeforeBadArgument", {"-p", "123", "-x"}, shortMessage, 1},
    {"ShortBeforeOptionWithoutValue", {"-p", "123", "-n"}, shortMessage, 1},
    {"ShortAfterGoodPuzzle", {"-p", uniquePuzzle, "-p", "123"}, shortMessage, 1},
    {"DashValueIsAShortPuzzle", {"-p", "-n", "5"}, shortMessage, 1},
};

const CliCase solveCases[] = {
    {"UniquePuzzle", {"-p", uniquePuzzle}, solution, 0},
    {"UpperP", {"-P", uniquePuzzle}, solution, 0},
    {"PuzzleWord", {"-puzzle", uniquePuzzle}, solution, 0},
    {"OptionsAfterPuzzle", {"-p", uniquePuzzle, "-n", "5", "-g", "3", "-s", "1"}, solution, 0},
    {"OptionsBeforePuzzle", {"-N", "5", "-G", "3", "-S", "1", "-p", uniquePuzzle}, solution, 0},
    {"OptionLikeValue", {"-g", "-x", "-p", uniquePuzzle}, solution, 0},
    {"LongerPuzzleRestIgnored", {"-p", uniquePuzzle + "123456789 .x"}, solution, 0},
    {"SecondPuzzleReplacesFirst", {"-p", relabelledGrid(), "-p", uniquePuzzle}, solution, 0},
    {"SecondGridReplacesPuzzle", {"-p", uniquePuzzle, "-p", relabelledGrid()}, fieldsOf(relabelledGrid()), 0},
    {"CompleteGridPrintsItself", {"-p", validGrid}, solution, 0},
    {"FullStopInCompleteGrid", {"-p", withCells(validGrid, {40}, '.')}, "", 0},
    {"FullStopsForEmptyCells", {"-p", withFullStops(uniquePuzzle)}, "", 0},
    {"LetterInCompleteGrid", {"-p", withCells(validGrid, {0}, 'a')}, "", 0},
    {"HighByteInCompleteGrid", {"-p", withCells(validGrid, {0}, '\xe9')}, "", 0},
    {"RepeatedGivens", {"-p", withCells(uniquePuzzle, {2}, '3')}, "", 0},
    {"CompleteGridWithSwappedCells", {"-p", "354678912" + validGrid.substr(9)}, "", 0},
    {"TwoSolutions", {"-p", withCells(validGrid, {32, 35, 41, 44}, '0')}, "", 0},
    // Two solutions, of which the search completes one while another of its boards stalls.
    // Fourteen givens and many solutions: a search that once ran for seconds before it
    // printed nothing; it now stops at the first board that stalls.
    {"SparsePuzzleWithManySolutions",
     {"-p", "005000987040050001007000000200048000090100000600000000000000000000000000000000000"},
     "",
     0},
    {"StalledSearchPrintsNothing",
     {"-p", "000600050005000400000700801000000000530092000000030100006000000070340200200068003"},
     "",
     0},
    {"StallWithManySolutions", {"-p", validGrid.substr(0, 9) + std::string(72, '0')}, "", 0},
    {"EmptyBoard", {"-p", std::string(81, '0')}, "", 0},
    {"Contradiction", {"-p", testgrids::cellZeroBlocked}, "", 0},
};

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsExactBytesAndStatus) {
    const CliCase& c = GetParam();
    const RunResult r = runNonet(c.args);
    EXPECT_EQ(r.out, c.out);  // byte for byte: no trailing newline
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, "");  // nonet never writes to stderr
}

const auto caseName = [](const auto& p) { return std::string(p.param.name); };

INSTANTIATE_TEST_SUITE_P(Usage, Cli, ::testing::ValuesIn(usageCases), caseName);
INSTANTIATE_TEST_SUITE_P(Unknown, Cli, ::testing::ValuesIn(unknownCases), caseName);
INSTANTIATE_TEST_SUITE_P(ShortPuzzle, Cli, ::testing::ValuesIn(shortPuzzleCases), caseName);
INSTANTIATE_TEST_SUITE_P(Solve, Cli, ::testing::ValuesIn(solveCases), caseName);

TEST(CliSolveMode, CompleteGridOutputIs161CharactersWithoutLineEnd) {
    const RunResult r = runNonet({"-p", validGrid});
    EXPECT_EQ(r.out.size(), 161u);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), ':'), 80);
    EXPECT_EQ(r.out.find_first_of("|\n"), std::string::npos);
}

// Generate mode: the puzzle line "puzzle|solution", checked for its shape.
struct PuzzleLine {
    Grid puzzle{}, solution{};
    int emptyCells = 0;
};

::testing::AssertionResult isPuzzleLine(const RunResult& r, PuzzleLine* line) {
    if (r.status != 0 || !r.err.empty())
        return ::testing::AssertionFailure() << "status " << r.status << ", stderr '" << r.err << "'";
    const size_t bar = r.out.find('|');
    if (bar == std::string::npos || r.out.find('|', bar + 1) != std::string::npos)
        return ::testing::AssertionFailure() << "not exactly one '|': " << r.out;
    if (!gridFromFields(r.out.substr(0, bar), &line->puzzle) ||
        !gridFromFields(r.out.substr(bar + 1), &line->solution))
        return ::testing::AssertionFailure() << "not two grids of 81 fields: " << r.out;
    if (!isValidSolution(line->solution)) return ::testing::AssertionFailure() << "solution breaks the rules";
    if (!agreesWithGivens(line->puzzle, line->solution))
        return ::testing::AssertionFailure() << "puzzle disagrees with its solution";
    if (countSolutions(line->puzzle) != 1) return ::testing::AssertionFailure() << "puzzle not unique";
    line->emptyCells = static_cast<int>(std::count(line->puzzle.begin(), line->puzzle.end(), 0));
    return ::testing::AssertionSuccess();
}

TEST(CliGenerateMode, NoArgumentsPrintsOnePuzzleLine) {
    PuzzleLine line;
    EXPECT_TRUE(isPuzzleLine(runNonet({}), &line));
}

TEST(CliGenerateMode, NumberOptionWithDashValueSetsZeroAndStaysInGenerateMode) {
    // -n -p: the value is the text "-p", which reads as 0: count mode, one cell emptied.
    PuzzleLine line;
    ASSERT_TRUE(isPuzzleLine(runNonet({"-n", "-p", "-s", "3"}), &line));
    EXPECT_EQ(line.emptyCells, 1);
}

TEST(CliGenerateMode, CountTargetEmptiesThatManyCells) {
    PuzzleLine line;
    ASSERT_TRUE(isPuzzleLine(runNonet({"-n", "30", "-s", "5"}), &line));
    EXPECT_EQ(line.emptyCells, 30);
}

// Option spellings that must mean the same: same seed and options, same bytes.
TEST(CliGenerateMode, EquivalentArgumentListsGiveTheSameLine) {
    const std::vector<std::vector<std::vector<std::string>>> groups = {
        {{"-s", "7"}, {"-s", "7"}, {"-S", "7"}, {"-seed", "7x"}, {"-s", "1", "-s", "7"}},
        {{"-n", "12", "-s", "4"}, {"-n", "12x", "-s", "4"}, {"-N", "99", "-n", "12", "-S", "4"}},
        {{"-n", "x", "-s", "2"}, {"-n", "0", "-s", "2"}, {"-n", "-p", "-s", "2"}},
        {{"-g", "0", "-n", "20", "-s", "6"}, {"-G", "x", "-N", "20", "-S", "6"}, {"-n", "20", "-s", "6"}},
    };
    for (const auto& group : groups) {
        const RunResult first = runNonet(group[0]);
        PuzzleLine line;
        ASSERT_TRUE(isPuzzleLine(first, &line));
        for (const auto& args : group) {
            SCOPED_TRACE(::testing::PrintToString(args));
            EXPECT_EQ(runNonet(args).out, first.out);
        }
    }
}

}  // namespace
