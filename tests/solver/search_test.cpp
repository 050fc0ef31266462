// The search: its verdict, what it writes into the result grid and arrayFields, and how it
// counts branchings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/test_grids.h"
#include "solver/solver.h"
#include "support/counter.h"
#include "support/puzzle_lists.h"

namespace {

using testgrids::loadBoard;
using testgrids::rectangle;
using testgrids::secondRectangle;
using testgrids::textOf;
using testgrids::validGrid;
using testgrids::withCells;

constexpr int untouched = 77;  // result-grid sentinel: the search never writes 77

class SolvePuzzle : public ::testing::Test {
   protected:
    void SetUp() override {
        testgrids::resetBoard();
        std::fill(std::begin(result), std::end(result), untouched);
        board.guesses = startGuesses;
    }

    bool resultUntouched() const {
        return std::all_of(std::begin(result), std::end(result), [](int v) { return v == untouched; });
    }

    static constexpr int startGuesses = 100;  // the search adds to it, never resets it
    int result[cellCount];
};

TEST_F(SolvePuzzle, CompleteGridIsItsOwnSolution) {
    loadBoard(validGrid);
    EXPECT_EQ(solvePuzzle(result, 0), 1);
    EXPECT_EQ(textOf(result), validGrid);
    EXPECT_EQ(textOf(board.arrayFields), validGrid);
    EXPECT_EQ(board.guesses, startGuesses);
}

TEST_F(SolvePuzzle, EmptyBoardStallsWithoutBranching) {
    EXPECT_EQ(solvePuzzle(result, 0), 0);
    EXPECT_TRUE(resultUntouched());
    EXPECT_EQ(board.guesses, startGuesses);
}

TEST_F(SolvePuzzle, OneEmptiedCellIsFilledWithoutBranching) {
    for (int cell : {0, 40, 80}) {
        SCOPED_TRACE(cell);
        SetUp();
        loadBoard(withCells(validGrid, {cell}, '0'));
        EXPECT_EQ(solvePuzzle(result, 0), 1);
        EXPECT_EQ(textOf(result), validGrid);
        EXPECT_EQ(board.guesses, startGuesses);
    }
}

TEST_F(SolvePuzzle, PuzzleThatSinglesSolve) {
    loadBoard(testgrids::uniquePuzzle);
    EXPECT_EQ(solvePuzzle(result, 0), 1);
    EXPECT_EQ(textOf(result), validGrid);
    EXPECT_EQ(textOf(board.arrayFields), validGrid);  // no branching: the board itself is completed
    EXPECT_EQ(board.guesses, startGuesses);
}

// Rows 3 and 4, columns 5 and 8 emptied: every cell has candidates 1 and 3 and both ways of
// completing them obey the rules. The search branches once, on cell 32, and the result grid
// holds the board that branch 1 completed: cell 32 holds entry 1 of its list.
struct RectangleCase {
    std::vector<int> cell32List;  // list of cell 32 before the call (empty: fresh, ascending)
    int cell32Result;
    const char* why;
};

const RectangleCase rectangleCases[] = {
    {{}, 3, "fresh list 1 3: branch 1 places 3, the other completion"},
    {{3, 1}, 1, "carried-over list 3 1: branch 1 places 1, the original grid"},
};

TEST_F(SolvePuzzle, RectangleGivesMinusOneAndTheBoardOfBranchOne) {
    for (const RectangleCase& c : rectangleCases) {
        SCOPED_TRACE(c.why);
        SetUp();
        for (size_t k = 0; k < c.cell32List.size(); ++k) board.availables[32][k] = c.cell32List[k];
        board.availablesCount[32] = static_cast<int>(c.cell32List.size());
        loadBoard(withCells(validGrid, {rectangle[0], rectangle[1], rectangle[2], rectangle[3]}, '0'));
        EXPECT_EQ(solvePuzzle(result, 0), -1);
        EXPECT_EQ(board.guesses, startGuesses + 1);
        EXPECT_EQ(result[32], board.availables[32][1]);
        const std::string swapped = c.cell32Result == 3 ? "3113" : "1331";
        std::string expected = validGrid;
        for (size_t k = 0; k < 4; ++k) expected[static_cast<size_t>(rectangle[k])] = swapped[k];
        EXPECT_EQ(textOf(result), expected);
        EXPECT_TRUE(isValidSolution(gridFromText(textOf(result))));
        EXPECT_EQ(textOf(board.arrayFields), expected);  // as branch 1 left it
    }
}

// Two such rectangles: branch 0 on cell 32 completes the first and meets the second, whose
// branching gives -1; the outer level then returns -1 at once, without its branch 1.
TEST_F(SolvePuzzle, MinusOneFromBranchZeroSkipsBranchOne) {
    loadBoard(withCells(validGrid,
                        {rectangle[0], rectangle[1], rectangle[2], rectangle[3], secondRectangle[0],
                         secondRectangle[1], secondRectangle[2], secondRectangle[3]},
                        '0'));
    EXPECT_EQ(solvePuzzle(result, 0), -1);
    EXPECT_EQ(board.guesses, startGuesses + 2);  // branch 1 of the outer level would add a third
    // Outer branch 0 places 1 (the grid's own digit); the inner branch 1 places 5 at cell 57.
    EXPECT_EQ(textOf(result), validGrid);
}

TEST_F(SolvePuzzle, StallWithoutTwoCandidateCellGivesZeroThoughSolutionsExist) {
    // Only row 0 given: every other cell keeps six candidates and no digit is single anywhere.
    const std::string puzzle = validGrid.substr(0, 9) + std::string(72, '0');
    ASSERT_EQ(countSolutions(gridFromText(puzzle)), 2);
    loadBoard(puzzle);
    EXPECT_EQ(solvePuzzle(result, 0), 0);
    EXPECT_TRUE(resultUntouched());
    EXPECT_EQ(board.guesses, startGuesses);
    EXPECT_EQ(textOf(board.arrayFields), puzzle);
}

TEST_F(SolvePuzzle, ContradictionAtEntryGivesZero) {
    // Cell 0 sees 1..8 in its row and 9 in its column.
    loadBoard(testgrids::cellZeroBlocked);
    EXPECT_EQ(solvePuzzle(result, 0), 0);
    EXPECT_TRUE(resultUntouched());
    EXPECT_EQ(board.guesses, startGuesses);
}

// A board that breaks the rules is no solution, complete at entry or completed by singles.
struct BrokenCase {
    std::string puzzle;
    const char* why;
};

std::vector<BrokenCase> brokenCases() {
    std::string swapped = validGrid;
    std::swap(swapped[0], swapped[1]);
    std::string repeatedGiven = withCells(validGrid, {80}, '0');
    repeatedGiven[1] = '5';  // row 0 holds 5 twice, column 1 holds it twice
    std::string conflictingGiven = testgrids::uniquePuzzle;
    conflictingGiven[2] = '3';  // row 0 already holds 3 in cell 1
    return {
        {swapped, "complete grid, two cells of a row swapped"},
        {repeatedGiven, "repeated given, last cell completed by singles"},
        {conflictingGiven, "puzzle with a given repeated in its row"},
        {withCells(validGrid, {40}, '.'), "complete grid with a full stop (-2)"},
        {withCells(validGrid, {40}, '<'), "complete grid with a value 12"},
        {withCells(validGrid, {0, 1, 2, 3, 4, 5, 6, 7, 8}, '5'), "a row of nine 5s"},
    };
}

TEST_F(SolvePuzzle, BoardThatBreaksTheRulesGivesZeroAndLeavesTheResultGrid) {
    for (const BrokenCase& c : brokenCases()) {
        SCOPED_TRACE(c.why);
        SetUp();
        loadBoard(c.puzzle);
        EXPECT_EQ(solvePuzzle(result, 0), 0);
        EXPECT_TRUE(resultUntouched());
        EXPECT_EQ(board.guesses, startGuesses) << "no completed board can count: nothing is searched";
        EXPECT_EQ(textOf(board.arrayFields), c.puzzle);
    }
}

// Regression: a search that completes one board while another of its boards stalls (no
// two-candidate cell, solutions possible) used to answer 1, and solve mode printed one of
// several solutions as if it were the only one. A stall leaves uniqueness unproven: 0.
TEST_F(SolvePuzzle, StallBesideOneCompletedBoardIsNoProofOfUniqueness) {
    const std::string puzzle = "000600050005000400000700801000000000530092000000030100006000000070340200200068003";
    ASSERT_EQ(countSolutions(gridFromText(puzzle)), 2);
    loadBoard(puzzle);
    EXPECT_EQ(solvePuzzle(result, 0), 0);
    EXPECT_GT(board.guesses, startGuesses) << "the search branched before it stalled";
}

// A proper puzzle that needs a branching at the outermost level: the result grid holds the
// solution, and arrayFields the outer board with the branching digit, not the solution.
TEST_F(SolvePuzzle, BranchedSolutionLeavesTheOuterBoardInArrayFields) {
    int checked = 0;
    for (const std::string& puzzle : loadPuzzleList("top95.txt")) {
        SetUp();
        loadBoard(puzzle);
        if (solvePuzzle(result, 0) != 1 || board.guesses == startGuesses) continue;
        SCOPED_TRACE(puzzle);
        const Grid solved = gridFromText(textOf(result));
        EXPECT_TRUE(isValidSolution(solved));
        EXPECT_TRUE(agreesWithGivens(gridFromText(puzzle), solved));
        const std::string outer = textOf(board.arrayFields);
        EXPECT_NE(outer.find('0'), std::string::npos) << "arrayFields should not be the solution";
        EXPECT_TRUE(agreesWithGivens(gridFromText(puzzle), gridFromText(outer)));
        EXPECT_TRUE(agreesWithGivens(gridFromText(outer), solved));
        if (++checked == 3) break;
    }
    EXPECT_EQ(checked, 3) << "top95 should hold puzzles solved through a branching";
}

// Solve mode's search gives up at the first stall; it must still answer 1, with the same
// grid, exactly where the full search does.
TEST_F(SolvePuzzle, SolveUniquelyAgreesWithTheFullSearchOnWhatItSolves) {
    for (const char* name : {"top95.txt", "hardest1106.txt", "serg_multi.txt"}) {
        for (const std::string& puzzle : loadPuzzleList(name, 7)) {
            SCOPED_TRACE(puzzle);
            SetUp();
            loadBoard(puzzle);
            const int full = solvePuzzle(result, 0);
            const std::string fullGrid = textOf(result);
            SetUp();
            loadBoard(puzzle);
            const int quick = solveUniquely(result);
            EXPECT_EQ(quick > 0, full > 0);
            if (full > 0) {
                EXPECT_EQ(textOf(result), fullGrid);
            }
        }
    }
}

}  // namespace
