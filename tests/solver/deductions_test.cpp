// Naked and hidden singles: the unit searches, solveOnes and solveUniques.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/board.h"
#include "board/test_grids.h"
#include "solver/solver.h"

namespace {

using testgrids::loadBoard;
using testgrids::validGrid;
using testgrids::withCells;

void setList(int cell, std::vector<int> entries) {
    board.availablesCount[cell] = static_cast<int>(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) board.availables[cell][k] = entries[k];
}

class Deductions : public ::testing::Test {
   protected:
    void SetUp() override { testgrids::resetBoard(); }
};

// The unit searches, one table per kind of unit: the unit's first cell (the argument), its
// nine cells, and cells just outside it.
struct UnitCase {
    const char* name;
    int (*search)(int, int);
    int unit;
    std::vector<int> cells;
    std::vector<int> outside;
};

const UnitCase unitCases[] = {
    {"row 4", checkUniquesInRow, 36, {36, 37, 38, 39, 40, 41, 42, 43, 44}, {35, 45, 27, 53}},
    {"row 8", checkUniquesInRow, 72, {72, 73, 74, 75, 76, 77, 78, 79, 80}, {71, 63}},
    {"column 4", checkUniquesInCol, 4, {4, 13, 22, 31, 40, 49, 58, 67, 76}, {3, 5, 41, 39}},
    {"column 0", checkUniquesInCol, 0, {0, 9, 18, 27, 36, 45, 54, 63, 72}, {1, 8, 17, 80}},
    {"block 4", checkUniquesInBlock, 30, {30, 39, 48, 31, 40, 49, 32, 41, 50}, {29, 33, 21, 57, 42, 51}},
    {"block 8", checkUniquesInBlock, 60, {60, 69, 78, 61, 70, 79, 62, 71, 80}, {59, 51, 77}},
    {"block 0", checkUniquesInBlock, 0, {0, 9, 18, 1, 10, 19, 2, 11, 20}, {3, 27, 21}},
};

TEST_F(Deductions, UnitSearchFindsTheOneCellOfItsUnitThatCanTakeTheDigit) {
    for (const UnitCase& u : unitCases) {
        SCOPED_TRACE(u.name);
        for (int only : u.cells) {
            SCOPED_TRACE(only);
            testgrids::resetBoard();
            setList(only, {2, 7, 4});
            for (int other : u.cells)
                if (other != only) setList(other, {2, 4});
            for (int cell : u.outside) setList(cell, {7});  // peers outside the unit don't count
            EXPECT_EQ(u.search(u.unit, 7), only);
            EXPECT_EQ(u.search(u.unit, 2), -1);  // every cell can take 2
            EXPECT_EQ(u.search(u.unit, 5), -1);  // no cell can take 5
        }
    }
}

TEST_F(Deductions, UnitSearchGivesMinusOneForAnyTwoCells) {
    for (const UnitCase& u : unitCases) {
        SCOPED_TRACE(u.name);
        for (size_t a = 0; a < 9; ++a)
            for (size_t b = a + 1; b < 9; ++b) {
                testgrids::resetBoard();
                setList(u.cells[a], {7});
                setList(u.cells[b], {3, 7});
                EXPECT_EQ(u.search(u.unit, 7), -1) << u.cells[a] << " and " << u.cells[b];
                EXPECT_EQ(u.search(u.unit, 3), u.cells[b]);
            }
    }
}

TEST_F(Deductions, UnitSearchReadsOnlyEntriesWithinTheCount) {
    for (const UnitCase& u : unitCases) {
        SCOPED_TRACE(u.name);
        testgrids::resetBoard();
        const int filled = u.cells[0], staleSlot = u.cells[4], taker = u.cells[8];
        setList(filled, {7, 3});
        board.availablesCount[filled] = 0;  // filled: its slots still hold 7
        setList(staleSlot, {3, 7});
        board.availablesCount[staleSlot] = 1;  // 7 lies past the count
        setList(taker, {7});
        EXPECT_EQ(u.search(u.unit, 7), taker);
        EXPECT_EQ(u.search(u.unit, 3), staleSlot);
        EXPECT_EQ(u.search(u.unit, 0), -1);  // digit 0 is never found
    }
}

TEST_F(Deductions, SolveOnesOnACompleteBoardWritesNothingAndMakesNoUpdate) {
    loadBoard(validGrid);
    for (int cell = 0; cell < cellCount; ++cell) setList(cell, {1, 2});  // stale on purpose
    EXPECT_EQ(solveOnes(), 0);
    EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
    for (int cell = 0; cell < cellCount; ++cell) EXPECT_EQ(board.availablesCount[cell], 2) << cell;
}

TEST_F(Deductions, NothingToPlaceOnTheEmptyBoard) {
    updateAvailables();
    EXPECT_EQ(solveOnes(), 0);
    EXPECT_EQ(solveUniques(), 0);
    for (int cell = 0; cell < cellCount; ++cell) EXPECT_EQ(board.arrayFields[cell], 0) << cell;
}

TEST_F(Deductions, SolveOnesFillsOneEmptiedCellThenFindsNothing) {
    for (int cell : {0, 40, 80}) {
        SCOPED_TRACE(cell);
        testgrids::resetBoard();
        loadBoard(withCells(validGrid, {cell}, '0'));
        updateAvailables();
        EXPECT_EQ(solveOnes(), 1);
        EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
        EXPECT_EQ(board.availablesCount[cell], 0);
        EXPECT_EQ(solveOnes(), 0);
    }
}

TEST_F(Deductions, SolveOnesFillsAWholeEmptiedRow) {
    loadBoard(withCells(validGrid, {45, 46, 47, 48, 49, 50, 51, 52, 53}, '0'));
    updateAvailables();
    EXPECT_EQ(solveOnes(), 9);
    EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
}

TEST_F(Deductions, SolveOnesLeavesTheListsCurrentAfterPlacing) {
    loadBoard(testgrids::uniquePuzzle);
    updateAvailables();
    ASSERT_GT(solveOnes(), 0);
    int counts[cellCount], lists[cellCount][slotCount];
    std::memcpy(counts, board.availablesCount, sizeof counts);
    std::memcpy(lists, board.availables, sizeof lists);
    updateAvailables();  // changes nothing when solveOnes made its own update
    for (int cell = 0; cell < cellCount; ++cell) {
        SCOPED_TRACE(cell);
        ASSERT_EQ(board.availablesCount[cell], counts[cell]);
        for (int k = 0; k < counts[cell]; ++k) EXPECT_EQ(board.availables[cell][k], lists[cell][k]);
    }
}

TEST_F(Deductions, SolveOnesJudgesEveryCellByTheListsAtTheCall) {
    // Two cells of row 0 whose only candidate is 5: the sweep fills both.
    setList(2, {5});
    setList(6, {5});
    EXPECT_EQ(solveOnes(), 2);
    EXPECT_EQ(board.arrayFields[2], 5);
    EXPECT_EQ(board.arrayFields[6], 5);
    EXPECT_EQ(board.availablesCount[2], 0);
    EXPECT_EQ(board.availablesCount[6], 0);
}

TEST_F(Deductions, SolveUniquesOnACompleteBoardPlacesNothingAndZeroesEveryCount) {
    loadBoard(validGrid);
    for (int cell = 0; cell < cellCount; ++cell) setList(cell, {1, 2});  // stale on purpose
    EXPECT_EQ(solveUniques(), 0);
    EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
    for (int cell = 0; cell < cellCount; ++cell) EXPECT_EQ(board.availablesCount[cell], 0) << cell;
}

TEST_F(Deductions, SolveUniquesCountsASingleOfRowColumnAndBlockOnce) {
    for (int cell : {0, 40, 80}) {
        SCOPED_TRACE(cell);
        testgrids::resetBoard();
        loadBoard(withCells(validGrid, {cell}, '0'));
        updateAvailables();
        EXPECT_EQ(solveUniques(), 1);
        EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
        EXPECT_EQ(solveUniques(), 0);
    }
}

TEST_F(Deductions, SolveUniquesFillsAWholeEmptiedRowInItsRowPass) {
    loadBoard(withCells(validGrid, {72, 73, 74, 75, 76, 77, 78, 79, 80}, '0'));
    updateAvailables();
    EXPECT_EQ(solveUniques(), 9);
    EXPECT_EQ(testgrids::textOf(board.arrayFields), validGrid);
}

// Hand-made lists on the empty board: the row pass reads them, its update then replaces them
// with the real lists (nine digits everywhere), so the later passes find nothing.
struct RowPassCase {
    std::vector<int> cell0;   // list of cell 0
    std::vector<int> others;  // list of cells 1..8 of row 0
    int placements;
    int cell0Value;
    const char* why;
};

const RowPassCase rowPassCases[] = {
    {{2, 1}, {2, 3, 4, 5, 6, 7, 8, 9}, 1, 1, "a hidden single that is no naked single"},
    {{1, 2}, {3, 4, 5, 6, 7, 8, 9}, 2, 2, "two digits single to one cell: both count, the later digit stays"},
    {{1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, 0, "no digit is single to one cell"},
};

TEST_F(Deductions, SolveUniquesJudgesAPassByTheListsAsItBegan) {
    for (const RowPassCase& c : rowPassCases) {
        SCOPED_TRACE(c.why);
        testgrids::resetBoard();
        setList(0, c.cell0);
        for (int cell = 1; cell < 9; ++cell) setList(cell, c.others);
        EXPECT_EQ(solveUniques(), c.placements);
        EXPECT_EQ(board.arrayFields[0], c.cell0Value);
        for (int cell = 1; cell < cellCount; ++cell) EXPECT_EQ(board.arrayFields[cell], 0) << cell;
    }
}

}  // namespace
