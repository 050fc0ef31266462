// The oracle: nonet's candidate upkeep, unit searches and search in their plain reading.
// Each function follows its algorithm step by step; see plain_board.h.
#include "oracle/plain_board.h"

#include <cstring>

namespace plain {

namespace {

constexpr int plainBlockStarts[9] = {0, 3, 6, 27, 30, 33, 54, 57, 60};

// 1 when a cell holding `digit` or -`digit` is found by scanning the column from the top,
// then the row from the left, then the block's three rows of three.
int digitIsPresent(const int* grid, int column, int rowStart, int blockStart, int digit) {
    for (int cell = column; cell < cellCount; cell += 9)
        if (grid[cell] == digit || grid[cell] == -digit) return 1;
    for (int cell = rowStart; cell < rowStart + 9; ++cell)
        if (grid[cell] == digit || grid[cell] == -digit) return 1;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int value = grid[blockStart + r * 9 + c];
            if (value == digit || value == -digit) return 1;
        }
    return 0;
}

int canTake(const BoardState& state, int cell, int digit) {
    return valueExistsInArray(state.availables[cell], state.availablesCount[cell], digit) >= 0;
}

// Visits `cells` in order; notes the first cell that can take `digit`, -1 at a second.
int uniqueCellAmong(const BoardState& state, const int* cells, int digit) {
    int noted = -1;
    for (int k = 0; k < 9; ++k) {
        if (!canTake(state, cells[k], digit)) continue;
        if (noted >= 0) return -1;
        noted = cells[k];
    }
    return noted;
}

// 1 when two of the nine `cells` of `grid` hold the same value.
int unitRepeats(const int* grid, const int* cells) {
    int seen[9];
    int seenCount = 0;
    for (int k = 0; k < 9; ++k) {
        if (valueExistsInArray(seen, seenCount, grid[cells[k]]) >= 0) return 1;
        seen[seenCount++] = grid[cells[k]];
    }
    return 0;
}

void rowCells(int rowStart, int* cells) {
    for (int k = 0; k < 9; ++k) cells[k] = rowStart + k;
}

void columnCells(int column, int* cells) {
    for (int k = 0; k < 9; ++k) cells[k] = column + k * 9;
}

// Column by column: s, s+9, s+18, s+1, s+10, s+19, s+2, s+11, s+20.
void blockCells(int blockStart, int* cells) {
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) cells[c * 3 + r] = blockStart + r * 9 + c;
}

// One pass of hidden singles over nine units, then an update.
int hiddenSinglesPass(BoardState& state, int (*search)(const BoardState&, int, int), const int* unitStarts) {
    int placements = 0;
    for (int unit = 0; unit < 9; ++unit)
        for (int digit = 1; digit <= 9; ++digit) {
            const int cell = search(state, unitStarts[unit], digit);
            if (cell < 0) continue;
            state.arrayFields[cell] = digit;
            ++placements;
        }
    updateAvailables(state);
    return placements;
}

}  // namespace

int valueExistsInArray(const int* list, int length, int wanted) {
    if (wanted == 0) return -1;
    if (length == 0) return -1;
    for (int position = 0; position < length; ++position)
        if (list[position] == wanted) return position;
    return -1;
}

int arraySplice(int* list, int length, int position) {
    if (position < 0) return length;
    int written = 0;
    for (int k = 0; k < length; ++k) {
        if (k == position) continue;
        list[written] = list[k];
        ++written;
    }
    return written;
}

int isValidCompleteGrid(const int* grid) {
    for (int cell = 0; cell < cellCount; ++cell)
        if (grid[cell] < 1 || grid[cell] > 9) return 0;
    int cells[9];
    for (int unit = 0; unit < 9; ++unit) {
        rowCells(unit * 9, cells);
        if (unitRepeats(grid, cells)) return 0;
        columnCells(unit, cells);
        if (unitRepeats(grid, cells)) return 0;
        blockCells(plainBlockStarts[unit], cells);
        if (unitRepeats(grid, cells)) return 0;
    }
    return 1;
}

int updateAvailables(BoardState& state) {
    int emptyCells = 0;
    bool contradiction = false;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (state.arrayFields[cell] != 0) {
            state.availablesCount[cell] = 0;  // the slots stay as they are
            continue;
        }
        const int column = cell % 9;
        const int row = cell / 9;
        const int rowStart = row * 9;
        const int blockStart = (row / 3) * 27 + (column / 3) * 3;
        int* list = state.availables[cell];
        int count = state.availablesCount[cell];
        for (int digit = 1; digit <= 9; ++digit) {
            const int present = digitIsPresent(state.arrayFields, column, rowStart, blockStart, digit);
            const int position = valueExistsInArray(list, count, digit);
            if (position < 0 && !present) {
                list[count] = digit;
                ++count;
            } else if (position >= 0 && present) {
                count = arraySplice(list, count, position);
            }
        }
        state.availablesCount[cell] = count;
        if (count == 0)
            contradiction = true;
        else
            ++emptyCells;
    }
    return contradiction ? -1 : emptyCells;
}

int checkUniquesInRow(const BoardState& state, int rowStart, int digit) {
    int cells[9];
    rowCells(rowStart, cells);
    return uniqueCellAmong(state, cells, digit);
}

int checkUniquesInCol(const BoardState& state, int column, int digit) {
    int cells[9];
    columnCells(column, cells);
    return uniqueCellAmong(state, cells, digit);
}

int checkUniquesInBlock(const BoardState& state, int blockStart, int digit) {
    int cells[9];
    blockCells(blockStart, cells);
    return uniqueCellAmong(state, cells, digit);
}

int solveOnes(BoardState& state) {
    int filled = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (state.availablesCount[cell] != 1) continue;
        state.arrayFields[cell] = state.availables[cell][0];
        state.availablesCount[cell] = 0;
        ++filled;
    }
    if (filled != 0) updateAvailables(state);
    return filled;
}

int solveUniques(BoardState& state) {
    constexpr int rowStarts[9] = {0, 9, 18, 27, 36, 45, 54, 63, 72};
    constexpr int columns[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    int placements = hiddenSinglesPass(state, checkUniquesInRow, rowStarts);
    placements += hiddenSinglesPass(state, checkUniquesInCol, columns);
    placements += hiddenSinglesPass(state, checkUniquesInBlock, plainBlockStarts);
    return placements;
}

namespace {

// The search proper; notes in `stalled` a board that stalls with no two-candidate cell.
int search(BoardState& state, int* resultGrid, int nestingLevel, bool* stalled) {
    // Deduction cycles; the first cycle's count is compared with 0, not the entry count.
    int count = updateAvailables(state);
    if (count != 0) {
        int previous = 0;
        for (;;) {
            while (solveOnes(state) != 0) {
            }
            while (solveUniques(state) != 0) {
            }
            count = updateAvailables(state);
            if (count == previous) break;
            previous = count;
        }
    }

    // Verdict.
    if (count < 0) return 0;
    if (count == 0) {
        if (!isValidCompleteGrid(state.arrayFields)) return 0;
        for (int cell = 0; cell < cellCount; ++cell) resultGrid[cell] = state.arrayFields[cell];
        return 1;
    }
    int branchingCell = -1;
    for (int cell = 0; cell < cellCount && branchingCell < 0; ++cell)
        if (state.availablesCount[cell] == 2) branchingCell = cell;
    if (branchingCell < 0) {
        *stalled = true;
        return 0;
    }

    // Branching: entry 0, then entry 1, of the branching cell's list.
    state.guesses += 1;
    int snapshot[cellCount];
    std::memcpy(snapshot, state.arrayFields, sizeof snapshot);
    int foundDigit = 0;
    for (int branch = 0; branch < 2; ++branch) {
        if (branch == 1) std::memcpy(state.arrayFields, snapshot, sizeof snapshot);
        state.arrayFields[branchingCell] = state.availables[branchingCell][branch];
        const int result = search(state, resultGrid, nestingLevel + 1, stalled);
        if (result < 0) return -1;
        if (result > 0) foundDigit = foundDigit == 0 ? state.availables[branchingCell][branch] : -1;
    }
    if (foundDigit > 0) {
        std::memcpy(state.arrayFields, snapshot, sizeof snapshot);
        state.arrayFields[branchingCell] = foundDigit;
        return 1;
    }
    return foundDigit;
}

// 1 when every filled cell holds a digit 1..9 and no two filled peers hold the same one.
int givensObeyRules(const int* grid) {
    for (int cell = 0; cell < cellCount; ++cell) {
        if (grid[cell] == 0) continue;
        if (grid[cell] < 1 || grid[cell] > 9) return 0;
        for (int other = 0; other < cell; ++other) {
            const bool peer = other / 9 == cell / 9 || other % 9 == cell % 9 ||
                              (other / 27 == cell / 27 && other % 9 / 3 == cell % 9 / 3);
            if (peer && grid[other] == grid[cell]) return 0;
        }
    }
    return 1;
}

}  // namespace

int solvePuzzle(BoardState& state, int* resultGrid, int nestingLevel) {
    // Givens that break the rules can never complete into a valid grid: 0, nothing searched.
    if (!givensObeyRules(state.arrayFields)) return 0;
    // One completed grid proves nothing when a board stalled: it may hide other solutions.
    bool stalled = false;
    const int result = search(state, resultGrid, nestingLevel, &stalled);
    return result > 0 && stalled ? 0 : result;
}

}  // namespace plain
