// Candidate upkeep: the hot path of both the solver and the filler.
//
// The plain rule works digit by digit: for d = 1..9, scan the cell's column, row and block
// for |d|; append d when it is possible and missing, remove it (later entries move up) when
// it is listed and no longer possible. Appends go to the end and only removals reorder, so
// the result is always: the surviving entries in their old order, then the digits that
// became possible, ascending. That is what refreshList builds, from one digit mask per unit
// computed once per call instead of 27 cells scanned per digit per cell.
#include <bit>

#include "board/board.h"

namespace {

constexpr unsigned allDigits = 0x3FE;  // bits 1..9; bit d means digit d, bit 0 unused

// The unit numbers of each cell, so the hot loop needs no division.
struct CellUnits {
    unsigned char row[cellCount], column[cellCount], block[cellCount];
};

constexpr CellUnits makeCellUnits() {
    CellUnits units{};
    for (int cell = 0; cell < cellCount; ++cell) {
        units.row[cell] = static_cast<unsigned char>(rowOf(cell));
        units.column[cell] = static_cast<unsigned char>(columnOf(cell));
        units.block[cell] = static_cast<unsigned char>((rowOf(cell) / 3) * 3 + columnOf(cell) / 3);
    }
    return units;
}

constexpr CellUnits cellUnits = makeCellUnits();

// The digit a cell value keeps out of its peers' lists, as a bit: v and -v both keep |v|
// out; a value whose |v| is above 9 (only from a command-line puzzle) keeps nothing out.
constexpr unsigned presenceBit(int value) {
    const unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    return magnitude <= 9 ? (1u << magnitude) & allDigits : 0u;
}

struct UnitMasks {
    unsigned row[9], column[9], block[9];
};

// The digits each unit holds. Digits and empty cells go through a table; any other value
// through presenceBit. Each row is taken as three triples, which also make up the blocks.
UnitMasks presentDigits() {
    constexpr unsigned digitBits[10] = {0,      1u << 1, 1u << 2, 1u << 3, 1u << 4,
                                        1u << 5, 1u << 6, 1u << 7, 1u << 8, 1u << 9};
    unsigned bits[cellCount];
    for (int cell = 0; cell < cellCount; ++cell) {
        const int value = board.arrayFields[cell];
        bits[cell] = static_cast<unsigned>(value) <= 9 ? digitBits[value] : presenceBit(value);
    }
    UnitMasks masks{};
    for (int row = 0; row < 9; ++row) {
        const unsigned* cells = bits + row * 9;
        const unsigned left = cells[0] | cells[1] | cells[2];
        const unsigned middle = cells[3] | cells[4] | cells[5];
        const unsigned right = cells[6] | cells[7] | cells[8];
        masks.row[row] = left | middle | right;
        masks.block[(row / 3) * 3] |= left;
        masks.block[(row / 3) * 3 + 1] |= middle;
        masks.block[(row / 3) * 3 + 2] |= right;
    }
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row) masks.column[column] |= bits[row * 9 + column];
    return masks;
}

// Survivors keep their old order; digits that became possible follow in ascending order.
// `inList` holds the list's entries as a mask. Returns the new count.
int refreshList(int* list, int count, unsigned inList, unsigned possible) {
    int kept = 0;
    for (int k = 0; k < count; ++k)
        if (possible & (1u << list[k])) list[kept++] = list[k];  // impossible entries drop out
    for (unsigned fresh = possible & ~inList; fresh != 0; fresh &= fresh - 1)
        list[kept++] = std::countr_zero(fresh);  // lowest bit first = ascending digits
    return kept;
}

}  // namespace

unsigned listMask(int cell) {
    unsigned mask = 0;
    for (int k = 0; k < board.availablesCount[cell]; ++k) mask |= 1u << board.availables[cell][k];
    return mask;
}

int updateAvailables() {
    unsigned masks[cellCount];
    for (int cell = 0; cell < cellCount; ++cell) masks[cell] = listMask(cell);
    return updateAvailablesKnowingMasks(masks);
}

int updateAvailablesKnowingMasks(unsigned* listMasks) {
    const UnitMasks present = presentDigits();
    int emptyCells = 0;
    bool contradiction = false;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (board.arrayFields[cell] != 0) {
            board.availablesCount[cell] = 0;  // slots stay as they are
            listMasks[cell] = 0;
            continue;
        }
        const unsigned possible = allDigits & ~(present.row[cellUnits.row[cell]] |
                                                present.column[cellUnits.column[cell]] |
                                                present.block[cellUnits.block[cell]]);
        int count = board.availablesCount[cell];
        if (listMasks[cell] != possible) {  // most lists are already right: leave them unwritten
            count = refreshList(board.availables[cell], count, listMasks[cell], possible);
            board.availablesCount[cell] = count;
            listMasks[cell] = possible;
        }
        contradiction |= count == 0;
        emptyCells += count != 0;
    }
    return contradiction ? -1 : emptyCells;
}

int summariseCurrentLists() {
    int emptyCells = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (board.arrayFields[cell] != 0) continue;
        if (board.availablesCount[cell] == 0) return -1;
        ++emptyCells;
    }
    return emptyCells;
}
