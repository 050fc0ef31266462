// Solve mode over the public puzzle lists, every answer confirmed by the independent
// counter: a printed grid obeys the rules, keeps the givens and is the puzzle's only
// solution; a multi-solution puzzle prints nothing. A proper puzzle may go unsolved only
// when a board of the search stalls (result 0), never by a claim of several solutions (-1).
//
// Built twice: the default program checks a sample of each big list (every 50th puzzle,
// all of top95); the program built with NONET_WHOLE_LISTS checks every puzzle and is
// labelled slow.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/test_grids.h"
#include "solver/solver.h"
#include "support/counter.h"
#include "support/puzzle_lists.h"
#include "support/run_nonet.h"

namespace {

#ifdef NONET_WHOLE_LISTS
constexpr size_t bigListStride = 1;
#else
constexpr size_t bigListStride = 50;
#endif

// What the solver made of one list.
struct ListOutcome {
    int puzzles = 0;
    int solved = 0;    // result 1: printed
    int stalled = 0;   // result 0: nothing printed
    int multiple = 0;  // result -1: nothing printed
};

// Solves `puzzle` in process the way solve mode does, on a board as fresh as a new process.
int solveFresh(const std::string& puzzle, int* result) {
    testgrids::resetBoard();
    testgrids::loadBoard(puzzle);
    return solvePuzzle(result, 0);
}

std::string fieldsOfResult(const int* result) { return testgrids::fieldsOf(testgrids::textOf(result)); }

// How the search fares on the one path through its branchings that keeps to the solution.
enum class PathEnd { completed, stalled, contradiction, leftTheSolution };

const char* describe(PathEnd end) {
    switch (end) {
        case PathEnd::completed:
            return "the path completes the solution";
        case PathEnd::stalled:
            return "the path stalls without a two-candidate cell";
        case PathEnd::contradiction:
            return "the path meets a contradiction";
        default:
            return "a deduction or branching cell leaves the solution";
    }
}

// Walks the search's deduction cycles level by level with the real deductions, taking at
// each branching the entry that agrees with `solution`. What the cycles place depends only
// on the grid (an update makes every list exactly the digits its cell can take), so this is
// the path the search itself takes on the way to the solution. A proper puzzle that the
// search leaves unsolved must end this path in a stall; a solved one in the solution.
PathEnd followSolutionPath(const std::string& puzzle, const Grid& solution) {
    testgrids::resetBoard();
    testgrids::loadBoard(puzzle);
    for (;;) {
        int count = updateAvailables();
        for (int previous = 0; count != 0;) {
            while (solveOnes() != 0) {
            }
            while (solveUniques() != 0) {
            }
            count = updateAvailables();
            if (count == previous) break;
            previous = count;
        }
        for (int cell = 0; cell < cellCount; ++cell)
            if (board.arrayFields[cell] != 0 &&
                board.arrayFields[cell] != solution[static_cast<size_t>(cell)])
                return PathEnd::leftTheSolution;
        if (count < 0) return PathEnd::contradiction;
        if (count == 0) return PathEnd::completed;
        int branchCell = 0;
        while (branchCell < cellCount && board.availablesCount[branchCell] != 2) ++branchCell;
        if (branchCell == cellCount) return PathEnd::stalled;
        const int digit = solution[static_cast<size_t>(branchCell)];
        if (board.availables[branchCell][0] != digit && board.availables[branchCell][1] != digit)
            return PathEnd::leftTheSolution;
        board.arrayFields[branchCell] = digit;
    }
}

// Solves one puzzle and checks the verdict against the counter. Returns an empty text when
// all is well, else what went wrong.
std::string checkPuzzle(const std::string& puzzle, bool proper, ListOutcome* outcome) {
    const Grid givens = gridFromText(puzzle);
    int result[cellCount];
    const int verdict = solveFresh(puzzle, result);
    Grid solution{};
    const int solutions = countSolutions(givens, 2, &solution);
    if (proper ? solutions != 1 : solutions < 2)
        return "the counter finds " + std::to_string(solutions) + " solutions";
    if (verdict < 0) {
        ++outcome->multiple;
        return proper ? "result -1 for a puzzle with one solution" : "";
    }
    if (verdict > 0) {
        ++outcome->solved;
        const Grid printed = gridFromText(testgrids::textOf(result));
        if (!proper || !isValidSolution(printed) || printed != solution)
            return "solve mode would print " + fieldsOfResult(result);
    } else {
        ++outcome->stalled;
    }
    if (!proper) return "";
    // A solved puzzle's path ends in its solution. An unsolved one's path ends in a stall,
    // or in the solution when some other board of the search stalled (which leaves the
    // uniqueness unproven); never in a contradiction or off the solution.
    const PathEnd end = followSolutionPath(puzzle, solution);
    const bool explained = verdict > 0 ? end == PathEnd::completed
                                       : end == PathEnd::completed || end == PathEnd::stalled;
    if (!explained) return "result " + std::to_string(verdict) + " but " + describe(end);
    return "";
}

// Checks every puzzle of the sample, prints and records the outcome.
// `proper`: every puzzle of the list has exactly one solution; else two or more.
ListOutcome checkList(const std::string& name, size_t stride, bool proper) {
    ListOutcome outcome;
    const std::vector<std::string> puzzles = loadPuzzleList(name, stride);
    EXPECT_FALSE(puzzles.empty()) << name << " not found in " << NONET_DATA_DIR;
    int failures = 0;
    for (const std::string& puzzle : puzzles) {
        ++outcome.puzzles;
        const std::string fault = checkPuzzle(puzzle, proper, &outcome);
        if (fault.empty()) continue;
        ADD_FAILURE() << name << ": " << fault << "\n  puzzle " << puzzle;
        if (++failures == 10) break;  // enough to diagnose; keeps the log readable
    }
    std::printf("%s: %d puzzles checked, %d solved, %d stalled, %d several\n", name.c_str(), outcome.puzzles,
                outcome.solved, outcome.stalled, outcome.multiple);
    const std::string key = name.substr(0, name.find('.'));
    ::testing::Test::RecordProperty(key + "_puzzles", outcome.puzzles);
    ::testing::Test::RecordProperty(key + "_solved", outcome.solved);
    ::testing::Test::RecordProperty(key + "_stalled", outcome.stalled);
    return outcome;
}

TEST(PublicLists, Top95) { checkList("top95.txt", 1, true); }
TEST(PublicLists, Top1465) { checkList("top1465.txt", bigListStride, true); }
TEST(PublicLists, Hardest1106) { checkList("hardest1106.txt", bigListStride, true); }
TEST(PublicLists, SeventeenClues) { checkList("17clue.txt", bigListStride, true); }

TEST(PublicLists, MultiSolutionPuzzlesPrintNothing) {
    const ListOutcome outcome = checkList("serg_multi.txt", bigListStride, false);
    EXPECT_EQ(outcome.solved, 0) << "solve mode printed a grid for a puzzle with several solutions";
}

// The real binary agrees with the in-process solve: the same bytes, status 0, no stderr.
TEST(PublicLists, BinaryPrintsWhatTheSolverFound) {
    for (const char* name : {"top95.txt", "top1465.txt", "hardest1106.txt", "17clue.txt", "serg_multi.txt"}) {
        const std::vector<std::string> puzzles = loadPuzzleList(name);
        ASSERT_FALSE(puzzles.empty()) << name;
        for (const std::string& puzzle : {puzzles.front(), puzzles[puzzles.size() / 2], puzzles.back()}) {
            SCOPED_TRACE(std::string(name) + " " + puzzle);
            int result[cellCount];
            const int verdict = solveFresh(puzzle, result);
            const RunResult r = runNonet({"-p", puzzle});
            EXPECT_EQ(r.out, verdict > 0 ? fieldsOfResult(result) : "");
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.err, "");
        }
    }
}

}  // namespace
