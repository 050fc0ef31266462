// Rule checks on whole grids.
#include "board/board.h"

namespace {

// 1 if the nine cells first, first + step, ... repeat a non-zero value.
// Values are compared exactly: -2 twice repeats, 2 and -2 do not.
int lineRepeats(const int* grid, int first, int step) {
    int seen[9];
    int seenCount = 0;
    int repeats = 0;
    for (int k = 0; k < 9; ++k) {
        const int value = grid[first + k * step];
        if (valueExistsInArray(seen, seenCount, value) >= 0)
            repeats = 1;
        else
            seen[seenCount++] = value;
    }
    return repeats;
}

// Digits 1..9 as bits 1..9.
constexpr unsigned digitBit(int digit) { return 1u << digit; }

}  // namespace

int checkForDuplicates(const int* grid) {
    for (int column = 0; column < 9; ++column)
        if (lineRepeats(grid, column, 9)) return 1;
    for (int row = 0; row < 9; ++row)
        if (lineRepeats(grid, row * 9, 1)) return 1;
    return 0;
}

int obeysRules(const int* grid) {
    unsigned rows[9] = {}, columns[9] = {}, blocks[9] = {};
    for (int cell = 0; cell < cellCount; ++cell) {
        const int value = grid[cell];
        if (value == 0) continue;
        if (value < 1 || value > 9) return 0;
        const unsigned bit = digitBit(value);
        unsigned& row = rows[rowOf(cell)];
        unsigned& column = columns[columnOf(cell)];
        unsigned& block = blocks[blockOf(cell)];
        if ((row | column | block) & bit) return 0;
        row |= bit;
        column |= bit;
        block |= bit;
    }
    return 1;
}

int isValidCompleteGrid(const int* grid) {
    // Nine cells holding digits 1..9 repeat none exactly when together they hold all nine
    // (an empty cell adds only bit 0), so each unit is compared with the full set, without
    // branches: the search checks every board it completes.
    UnitDigits units;
    if (!gatherUnitDigits(grid, &units)) return 0;
    constexpr unsigned allDigits = 0x3FE;
    unsigned heldByAll = allDigits;
    for (int unit = 0; unit < 9; ++unit)
        heldByAll &= units.row[unit] & units.column[unit] & units.block[unit];
    return heldByAll == allDigits;
}

bool gatherUnitDigits(const int* grid, UnitDigits* units) {
    bool outOfRange = false;
    *units = UnitDigits{};
    for (int row = 0; row < 9; ++row) {
        unsigned bits[9];
#pragma GCC unroll 9
        for (int column = 0; column < 9; ++column) {
            const unsigned value = static_cast<unsigned>(grid[row * 9 + column]);
            outOfRange |= value > 9;
            bits[column] = 1u << (value & 15);
            units->column[column] |= bits[column];
        }
        const unsigned left = bits[0] | bits[1] | bits[2];
        const unsigned middle = bits[3] | bits[4] | bits[5];
        const unsigned right = bits[6] | bits[7] | bits[8];
        units->row[row] = left | middle | right;
        units->block[(row / 3) * 3] |= left;
        units->block[(row / 3) * 3 + 1] |= middle;
        units->block[(row / 3) * 3 + 2] |= right;
    }
    return !outOfRange;
}
