// Solve mode over the public puzzle lists, every answer confirmed by the independent
// counter: a printed grid obeys the rules, keeps the givens and is the puzzle's only
// solution; a multi-solution puzzle prints nothing. A proper puzzle may go unsolved only by
// a stall (result 0), never by a claim of several solutions (-1).
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

// Solves every puzzle of the sample and checks each outcome against the counter.
// `proper`: every puzzle of the list has exactly one solution.
ListOutcome checkList(const std::string& name, size_t stride, bool proper) {
    ListOutcome outcome;
    const std::vector<std::string> puzzles = loadPuzzleList(name, stride);
    EXPECT_FALSE(puzzles.empty()) << name << " not found in " << NONET_DATA_DIR;
    int failures = 0;
    for (const std::string& puzzle : puzzles) {
        if (failures >= 10) break;  // enough to diagnose; keeps the log readable
        ++outcome.puzzles;
        const Grid givens = gridFromText(puzzle);
        int result[cellCount];
        const int verdict = solveFresh(puzzle, result);
        const int solutions = countSolutions(givens);
        if (proper && solutions != 1) {
            ADD_FAILURE() << name << ": the counter finds " << solutions << " solutions of " << puzzle;
            ++failures;
        }
        if (!proper && solutions < 2) {
            ADD_FAILURE() << name << ": the counter finds " << solutions << " solutions of " << puzzle;
            ++failures;
        }
        if (verdict > 0) {
            ++outcome.solved;
            const Grid printed = gridFromText(testgrids::textOf(result));
            const bool sound =
                isValidSolution(printed) && agreesWithGivens(givens, printed) && solutions == 1;
            if (!sound) {
                ADD_FAILURE() << name << ": solve mode would print " << fieldsOfResult(result) << " for "
                              << puzzle << " (the counter finds " << solutions << " solutions)";
                ++failures;
            }
        } else if (verdict == 0) {
            ++outcome.stalled;
        } else {
            ++outcome.multiple;
            if (proper) {
                ADD_FAILURE() << name << ": result -1 for a puzzle with one solution: " << puzzle;
                ++failures;
            }
        }
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
