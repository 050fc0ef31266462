// Candidate upkeep: which digits each list holds, in which order, and what the call returns.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/test_grids.h"

namespace {

using testgrids::loadBoard;
using testgrids::validGrid;

std::vector<int> listOf(int cell) {
    return {board.availables[cell], board.availables[cell] + board.availablesCount[cell]};
}

void setList(int cell, std::vector<int> entries) {
    board.availablesCount[cell] = static_cast<int>(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) board.availables[cell][k] = entries[k];
}

std::vector<int> slotsOf(int cell) { return {board.availables[cell], board.availables[cell] + 9}; }

class UpdateAvailables : public ::testing::Test {
   protected:
    void SetUp() override { testgrids::resetBoard(); }
};

TEST_F(UpdateAvailables, FirstCallOnTheEmptyBoardListsEveryDigitAscending) {
    EXPECT_EQ(updateAvailables(), 81);
    for (int cell = 0; cell < cellCount; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(listOf(cell), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

TEST_F(UpdateAvailables, CompleteGridGivesZeroAndKeepsEverySlot) {
    for (int cell = 0; cell < cellCount; ++cell) setList(cell, {9, 8, 7, 6, 5, 4, 3, 2, 1});
    loadBoard(validGrid);
    EXPECT_EQ(updateAvailables(), 0);
    for (int cell = 0; cell < cellCount; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(board.availablesCount[cell], 0);
        EXPECT_EQ(slotsOf(cell), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    }
}

// Survivors keep their order and digits that became possible follow: 1 4 7 -> 1 7 2 -> 7 2.
TEST_F(UpdateAvailables, SurvivorsKeepTheirOrderAndNewDigitsFollow) {
    // Cell 0 sees 2 3 5 6 8 9 in its row: candidates 1 4 7, ascending on a fresh list.
    loadBoard("023568900" + std::string(72, '0'));
    updateAvailables();
    ASSERT_EQ(listOf(0), (std::vector<int>{1, 4, 7}));

    // The peer holding 2 now holds 4: 2 became possible, 4 impossible.
    board.arrayFields[1] = 4;
    EXPECT_GT(updateAvailables(), 0);
    EXPECT_EQ(listOf(0), (std::vector<int>{1, 7, 2}));

    // A 1 placed in the column: the cell becomes a two-candidate cell with 7 first.
    board.arrayFields[72] = 1;
    updateAvailables();
    EXPECT_EQ(listOf(0), (std::vector<int>{7, 2}));

    // Emptying peers appends in ascending order, whatever order they were emptied in.
    board.arrayFields[6] = 0;   // 9
    board.arrayFields[2] = 0;   // 3
    board.arrayFields[72] = 0;  // 1
    updateAvailables();
    EXPECT_EQ(listOf(0), (std::vector<int>{7, 2, 1, 3, 9}));
}

TEST_F(UpdateAvailables, FilledCellGetsCountZeroAndKeepsItsEntries) {
    setList(40, {3, 8});
    board.availables[40][2] = 6;  // a stale slot past the count
    board.arrayFields[40] = 3;
    EXPECT_EQ(updateAvailables(), 80);
    EXPECT_EQ(board.availablesCount[40], 0);
    EXPECT_EQ(board.availables[40][0], 3);
    EXPECT_EQ(board.availables[40][1], 8);
    EXPECT_EQ(board.availables[40][2], 6);
}

TEST_F(UpdateAvailables, CellEmptiedAgainIsRebuiltAscendingFromSlotZero) {
    for (int slot = 0; slot < 9; ++slot) board.availables[0][slot] = 9 - slot;  // stale, count 0
    // 4 in its row, 8 in its block, 1 in its column.
    loadBoard("000004000008000000" + std::string(18, '0') + "100000000" + std::string(36, '0'));
    updateAvailables();
    EXPECT_EQ(listOf(0), (std::vector<int>{2, 3, 5, 6, 7, 9}));
}

TEST_F(UpdateAvailables, ContradictionStillUpdatesEveryList) {
    // Cell 0 sees 1..8 in its row and 9 in its column: no candidate left.
    loadBoard(testgrids::cellZeroBlocked);
    setList(80, {8, 9});  // 8 is gone from cell 80's candidates, 9 stays
    EXPECT_EQ(updateAvailables(), -1);
    EXPECT_EQ(board.availablesCount[0], 0);
    // Cells after the contradiction are brought up to date like any other.
    EXPECT_EQ(listOf(10), (std::vector<int>{3, 4, 5, 6, 7, 8}));        // row 1 holds 9, block 0 1 2 9
    EXPECT_EQ(listOf(45), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));  // column 0 holds 9
    EXPECT_EQ(listOf(80), (std::vector<int>{9, 1, 2, 3, 4, 5, 6, 7}));  // column 8 holds 8
}

struct OddValueCase {
    int value;
    int keptOut;  // the digit it keeps out of its peers' lists, or 0
    const char* why;
};

const OddValueCase oddValueCases[] = {
    {-3, 3, "a negative value keeps its absolute value out"},
    {-2, 2, "a full stop on the command line"},
    {-9, 9, "-9 keeps 9 out"},
    {-1, 1, "-1 keeps 1 out"},
    {10, 0, "10 keeps nothing out"},
    {12, 0, "12 keeps nothing out"},
    {-10, 0, "-10 keeps nothing out"},
    {49, 0, "the letter a"},
    {-49, 0, "a byte above 127"},
};

TEST_F(UpdateAvailables, OddCellValuesCountAsFilledAndKeepOutOnlyDigits) {
    for (const OddValueCase& c : oddValueCases) {
        SCOPED_TRACE(c.why);
        testgrids::resetBoard();
        board.arrayFields[30] = c.value;  // row 3, column 3, block 4
        EXPECT_EQ(updateAvailables(), 80);
        EXPECT_EQ(board.availablesCount[30], 0);
        std::vector<int> expected;
        for (int digit = 1; digit <= 9; ++digit)
            if (digit != c.keptOut) expected.push_back(digit);
        for (int peer : {27, 35, 3, 75, 40, 50}) {  // row, column and block peers
            SCOPED_TRACE(peer);
            EXPECT_EQ(listOf(peer), expected);
        }
        EXPECT_EQ(board.availablesCount[0], 9);  // not a peer
    }
}

TEST_F(UpdateAvailables, CountsEmptyCellsNotCandidates) {
    loadBoard(testgrids::uniquePuzzle);
    int empty = 0;
    for (char c : testgrids::uniquePuzzle) empty += c == '0';
    EXPECT_EQ(updateAvailables(), empty);

    loadBoard(testgrids::withCells(validGrid, {36, 37, 38, 39, 40, 41, 42, 43, 44}, '0'));
    EXPECT_EQ(updateAvailables(), 9);
    for (int cell = 36; cell <= 44; ++cell) EXPECT_EQ(board.availablesCount[cell], 1) << cell;
}

// The update written out plainly, digit by digit, as the order rule states it: scan the
// column, row and block for |d|; append d if possible and missing, remove it if listed and
// no longer possible. Works on its own copy of the lists.
struct PlainLists {
    int count[81] = {};
    int slots[81][9] = {};

    static bool present(const int* grid, int cell, int digit) {
        const int column = cell % 9, rowStart = cell / 9 * 9;
        const int blockStart = cell / 27 * 27 + column / 3 * 3;
        for (int k = 0; k < 9; ++k) {
            if (std::abs(grid[column + 9 * k]) == digit) return true;
            if (std::abs(grid[rowStart + k]) == digit) return true;
            if (std::abs(grid[blockStart + k / 3 * 9 + k % 3]) == digit) return true;
        }
        return false;
    }

    int update(const int* grid) {
        int empty = 0;
        bool contradiction = false;
        for (int cell = 0; cell < 81; ++cell) {
            if (grid[cell] != 0) {
                count[cell] = 0;
                continue;
            }
            for (int digit = 1; digit <= 9; ++digit) {
                int* list = slots[cell];
                int position = -1;
                for (int k = 0; k < count[cell] && position < 0; ++k)
                    if (list[k] == digit) position = k;
                const bool possible = !present(grid, cell, digit);
                if (position < 0 && possible) list[count[cell]++] = digit;
                if (position >= 0 && !possible) {
                    for (int k = position; k + 1 < count[cell]; ++k) list[k] = list[k + 1];
                    --count[cell];
                }
            }
            if (count[cell] == 0)
                contradiction = true;
            else
                ++empty;
        }
        return contradiction ? -1 : empty;
    }
};

// Random edits of a board (emptying, refilling, wrong digits, odd values), each followed by
// an update of both versions: results, counts and entries must agree at every step.
TEST_F(UpdateAvailables, MatchesThePlainRuleOnRandomEditSequences) {
    PlainLists plain;
    std::mt19937 rng(20240611);
    const int oddValues[] = {-3, -2, 10, 12, -9, 49};
    for (int step = 0; step < 3000; ++step) {
        if (step % 500 == 0) std::memset(board.arrayFields, 0, sizeof board.arrayFields);
        const int edits = 1 + static_cast<int>(rng() % 6);
        for (int e = 0; e < edits; ++e) {
            const int cell = static_cast<int>(rng() % 81);
            const auto kind = rng() % 100;
            int value = 0;
            if (kind < 45)
                value = validGrid[static_cast<size_t>(cell)] - '0';
            else if (kind < 55)
                value = 1 + static_cast<int>(rng() % 9);
            else if (kind < 58)
                value = oddValues[rng() % 6];
            board.arrayFields[cell] = value;
        }
        SCOPED_TRACE(step);
        const int expected = plain.update(board.arrayFields);
        ASSERT_EQ(updateAvailables(), expected);
        for (int cell = 0; cell < 81; ++cell) {
            ASSERT_EQ(board.availablesCount[cell], plain.count[cell]) << "cell " << cell;
            ASSERT_EQ(listOf(cell),
                      (std::vector<int>(plain.slots[cell], plain.slots[cell] + plain.count[cell])))
                << "cell " << cell;
        }
    }
}

}  // namespace
