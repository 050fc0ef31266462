// Candidate upkeep: the hot path of both the solver and the filler.
#include "board/board.h"

namespace {

// 1 if some cell of `cell`'s column, row or block holds a value whose absolute value is
// `digit`. Column first, then row, then the block's three rows of three.
int digitIsPresent(int cell, int digit) {
    const int* grid = board.arrayFields;
    const int column = columnOf(cell);
    const int rowStart = rowStartOf(cell);
    const int blockStart = blockStartOf(cell);
    for (int k = 0; k < 9; ++k)
        if (grid[column + k * 9] == digit || grid[column + k * 9] == -digit) return 1;
    for (int k = 0; k < 9; ++k)
        if (grid[rowStart + k] == digit || grid[rowStart + k] == -digit) return 1;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int value = grid[blockStart + r * 9 + c];
            if (value == digit || value == -digit) return 1;
        }
    return 0;
}

// Brings one empty cell's list up to date, digit by digit; returns its new count.
int updateCellList(int cell) {
    int* list = board.availables[cell];
    int count = board.availablesCount[cell];
    for (int digit = 1; digit <= 9; ++digit) {
        const int present = digitIsPresent(cell, digit);
        const int position = valueExistsInArray(list, count, digit);
        if (position < 0 && !present)
            list[count++] = digit;
        else if (position >= 0 && present)
            count = arraySplice(list, count, position);
    }
    return count;
}

}  // namespace

int updateAvailables() {
    int emptyCells = 0;
    int contradiction = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (board.arrayFields[cell] != 0) {
            board.availablesCount[cell] = 0;
            continue;
        }
        board.availablesCount[cell] = updateCellList(cell);
        if (board.availablesCount[cell] == 0)
            contradiction = 1;
        else
            ++emptyCells;
    }
    return contradiction ? -1 : emptyCells;
}
