// Rule checks on whole grids: the row-and-column repeat test and the complete-grid test.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "board/board.h"
#include "board/test_grids.h"

namespace {

using GridCells = std::array<int, 81>;

GridCells gridOf(const std::string& text) {
    GridCells grid{};
    for (size_t cell = 0; cell < 81; ++cell) grid[cell] = text[cell] - '0';
    return grid;
}

// An otherwise empty grid with the listed (cell, value) pairs.
GridCells sparse(std::initializer_list<std::pair<int, int>> cells) {
    GridCells grid{};
    for (const auto& [cell, value] : cells) grid[static_cast<size_t>(cell)] = value;
    return grid;
}

// Each row is the row above shifted by one place: no row or column repeats, blocks do.
GridCells shiftedRows() {
    GridCells grid{};
    for (int cell = 0; cell < 81; ++cell) grid[static_cast<size_t>(cell)] = (cell / 9 + cell % 9) % 9 + 1;
    return grid;
}

GridCells validWith(std::initializer_list<std::pair<int, int>> changes) {
    GridCells grid = gridOf(testgrids::validGrid);
    for (const auto& [cell, value] : changes) grid[static_cast<size_t>(cell)] = value;
    return grid;
}

// validGrid with the digits of cells a and b exchanged.
GridCells validSwapped(int a, int b) {
    GridCells grid = gridOf(testgrids::validGrid);
    std::swap(grid[static_cast<size_t>(a)], grid[static_cast<size_t>(b)]);
    return grid;
}

struct GridCase {
    GridCells grid;
    int duplicates;  // checkForDuplicates
    int valid;       // isValidCompleteGrid
    const char* why;
};

std::vector<GridCase> gridCases() {
    return {
        {GridCells{}, 0, 0, "all empty: empty cells never repeat"},
        {gridOf(testgrids::validGrid), 0, 1, "complete valid grid"},
        {sparse({{0, 5}, {9, 5}}), 1, 0, "repeat in column 0"},
        {sparse({{8, 5}, {80, 5}}), 1, 0, "repeat in the last column"},
        {sparse({{0, 5}, {1, 5}}), 1, 0, "repeat in row 0"},
        {sparse({{72, 5}, {80, 5}}), 1, 0, "repeat in the last row only"},
        {sparse({{0, 5}, {10, 5}}), 0, 0, "same block, different row and column: blocks not examined"},
        {sparse({{3, -2}, {7, -2}}), 1, 0, "-2 twice in a row"},
        {sparse({{3, 2}, {7, -2}}), 0, 0, "2 and -2 are different values"},
        {sparse({{3, 12}, {7, 12}}), 1, 0, "a value above 9 repeats too"},
        {shiftedRows(), 0, 0, "rows and columns clean, every block repeats"},
        {validWith({{40, 0}}), 0, 0, "one empty cell"},
        {validWith({{80, 0}}), 0, 0, "last cell empty"},
        {validWith({{0, -5}}), 0, 0, "a negative value is not a digit"},
        {validWith({{0, 10}}), 0, 0, "10 is not a digit"},
        {validWith({{0, 14}}), 0, 0, "14 is not a digit (its bit would lie past bit 9)"},
        {validSwapped(0, 1), 1, 0, "two cells of a row swapped: both columns repeat"},
        {validSwapped(0, 9), 1, 0, "two cells of a column swapped: both rows repeat"},
    };
}

TEST(CheckForDuplicates, FindsRepeatsInRowsAndColumnsOnly) {
    for (const GridCase& c : gridCases()) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(checkForDuplicates(c.grid.data()), c.duplicates);
    }
}

TEST(IsValidCompleteGrid, AcceptsOnlyCompleteGridsThatObeyEveryUnit) {
    for (const GridCase& c : gridCases()) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(isValidCompleteGrid(c.grid.data()), c.valid);
    }
}

TEST(IsValidCompleteGrid, AgreesWithTheIndependentCheckOnRelabelledAndDamagedGrids) {
    // Every relabelling of the digits keeps a grid valid; changing any one cell breaks it.
    const GridCells base = gridOf(testgrids::validGrid);
    for (int shift = 0; shift < 9; ++shift) {
        GridCells grid{};
        for (size_t cell = 0; cell < 81; ++cell) grid[cell] = (base[cell] + shift - 1) % 9 + 1;
        SCOPED_TRACE(shift);
        EXPECT_EQ(isValidCompleteGrid(grid.data()), 1);
        EXPECT_TRUE(isValidSolution(grid));
        for (size_t cell = 0; cell < 81; cell += 7) {
            GridCells damaged = grid;
            damaged[cell] = damaged[cell] % 9 + 1;
            EXPECT_EQ(isValidCompleteGrid(damaged.data()), 0) << "cell " << cell;
            EXPECT_FALSE(isValidSolution(damaged)) << "cell " << cell;
        }
    }
}

}  // namespace
