// Naked and hidden singles. Placements write only arrayFields: the candidate lists stay as
// the last update left them until the end of a sweep or pass, so every decision of one
// sweep or pass rests on the same lists.
//
// A cell "can take" a digit when the digit is among the first count entries of its list.
// The unit searches answer that one cell at a time; a hidden-single pass answers it for a
// whole unit at once from one digit mask per cell:
//
//     once  = digits that at least one cell of the unit can take
//     twice = digits that at least two cells can take
//     once & ~twice = the digits that exactly one cell can take
//
// which gives the same placements as asking the unit search for each digit 1..9 in turn.
#include <bit>
#include <cstdint>

#include "board/board.h"
#include "solver/solver.h"

namespace {

// The cells of a unit in the order a unit search visits them: the unit's first cell plus a
// fixed offset per position (rows left to right, columns top to bottom, blocks column by
// column). The offsets are the same for every unit of a kind, so with the shape a template
// argument they are constants in the unrolled loops.
struct UnitShape {
    int first[9];
    int offset[9];
};

constexpr UnitShape rowUnits = {{0, 9, 18, 27, 36, 45, 54, 63, 72}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
constexpr UnitShape columnUnits = {{0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 9, 18, 27, 36, 45, 54, 63, 72}};
constexpr UnitShape blockUnits = {{0, 3, 6, 27, 30, 33, 54, 57, 60}, {0, 9, 18, 1, 10, 19, 2, 11, 20}};

// The one cell of the unit starting at `first` whose list holds `digit`, or -1 for none or
// several.
int uniqueCellFor(const UnitShape& shape, int first, int digit) {
    if (digit < 1 || digit > 9) return -1;
    const unsigned bit = 1u << digit;
    int noted = -1;
    for (const int offset : shape.offset) {
        if ((listMask(first + offset) & bit) == 0) continue;
        if (noted >= 0) return -1;
        noted = first + offset;
    }
    return noted;
}

// One pass over nine units: places every digit that exactly one cell of its unit can take,
// digits ascending within a unit (a cell chosen twice keeps the later digit). `masks` holds
// each cell's list as a digit mask. Notes each placement's cell in `placedCells` (room for
// 81) and returns their number; the lists are not updated here.
// Only the units in `unitsToExamine` (bit u for unit u) are looked at; the others are
// known to hold no hidden single.
template <const UnitShape& shape>
int placeHiddenSingles(const unsigned* masks, unsigned unitsToExamine, int* placedCells) {
    int placements = 0;
    for (; unitsToExamine != 0; unitsToExamine &= unitsToExamine - 1) {
        const unsigned* unit = masks + shape.first[std::countr_zero(unitsToExamine)];
        unsigned once = 0, twice = 0;
#pragma GCC unroll 9
        for (int k = 0; k < 9; ++k) {
            twice |= once & unit[shape.offset[k]];
            once |= unit[shape.offset[k]];
        }
        for (unsigned singles = once & ~twice; singles != 0; singles &= singles - 1) {
            const unsigned bit = singles & (0u - singles);
            // The one cell that can take the digit, found without branches.
            int offset = 0;
#pragma GCC unroll 9
            for (int k = 0; k < 9; ++k) offset += (unit[shape.offset[k]] & bit) != 0 ? shape.offset[k] : 0;
            const int cell = static_cast<int>(unit - masks) + offset;
            board.arrayFields[cell] = std::countr_zero(singles);
            placedCells[placements++] = cell;
        }
    }
    return placements;
}

// A hidden-single pass on current lists, followed by the update after placements. A unit
// whose lists did not change since this kind of pass last found nothing in it is skipped,
// and a pass that placed nothing needs no update, since the lists still match the grid.
template <const UnitShape& shape, UnitKind kind>
int placeHiddenSinglesOnCurrentLists(ListMasks* masks) {
    const unsigned unitsToExamine = (masks->changedUnits >> (9 * kind)) & 0x1FF;
    masks->changedUnits &= ~(0x1FFu << (9 * kind));
    int placedCells[cellCount];
    const int placed = placeHiddenSingles<shape>(masks->cell, unitsToExamine, placedCells);
    updateAvailablesAfterPlacements(masks, placedCells, placed);
    return placed;
}

// The naked-single sweep: fills every cell whose count is 1 with its entry 0 and sets the
// count to 0. Notes the cells in `placedCells` (room for 81) and returns their number.
int placeNakedSingles(int* placedCells) {
    // Most sweeps find nothing: a branch-free look for a count of 1 settles those quickly.
    int singles = 0;
    for (const int count : board.availablesCount) singles += count == 1;
    if (singles == 0) return 0;
    int filled = 0;
    for (int cell = 0; filled < singles; ++cell) {
        placedCells[filled] = cell;  // kept only when the cell has one candidate
        filled += board.availablesCount[cell] == 1;
    }
    return filled;
}

// Writes entry 0 of each listed cell into it and sets its count to 0.
void fillNakedSingles(const int* cells, int count) {
    for (int k = 0; k < count; ++k) {
        board.arrayFields[cells[k]] = board.availables[cells[k]][0];
        board.availablesCount[cells[k]] = 0;
    }
}

}  // namespace

int checkUniquesInRow(int rowStart, int digit) { return uniqueCellFor(rowUnits, rowStart, digit); }

int checkUniquesInCol(int column, int digit) { return uniqueCellFor(columnUnits, column, digit); }

int checkUniquesInBlock(int blockStart, int digit) { return uniqueCellFor(blockUnits, blockStart, digit); }

int solveOnes() {
    int placedCells[cellCount] = {};  // (zeroed only to keep the compiler's flow check quiet)
    const int filled = placeNakedSingles(placedCells);
    fillNakedSingles(placedCells, filled);
    if (filled != 0) updateAvailables();
    return filled;
}

int solveUniques() {
    // The lists may be stale at the call, so the row pass is followed by a full update
    // whatever it placed; from then on the lists are current.
    ListMasks masks;
    readListMasks(&masks);
    int placedCells[cellCount];
    int placements = placeHiddenSingles<rowUnits>(masks.cell, 0x1FF, placedCells);
    updateAvailablesKnowingMasks(&masks);
    placements += placeHiddenSinglesOnCurrentLists<columnUnits, columnUnit>(&masks);
    placements += placeHiddenSinglesOnCurrentLists<blockUnits, blockUnit>(&masks);
    return placements;
}

int solveOnesOnCurrentLists(ListMasks* masks) {
    // A cell with one candidate that no update has left so since the last sweep would have
    // been filled by it: only the cells the updates noted are looked at, in ascending order.
    int placedCells[cellCount];
    int filled = 0;
    for (int word = 0; word < 2; ++word) {
        for (std::uint64_t noted = masks->oneLeftCells[word]; noted != 0; noted &= noted - 1) {
            const int cell = word * 64 + std::countr_zero(noted);
            placedCells[filled] = cell;  // kept only when the cell still has one candidate
            filled += board.availablesCount[cell] == 1;
        }
        masks->oneLeftCells[word] = 0;
    }
    fillNakedSingles(placedCells, filled);
    updateAvailablesAfterPlacements(masks, placedCells, filled);
    return filled;
}

int solveUniquesOnCurrentLists(ListMasks* masks) {
    int placements = placeHiddenSinglesOnCurrentLists<rowUnits, rowUnit>(masks);
    placements += placeHiddenSinglesOnCurrentLists<columnUnits, columnUnit>(masks);
    placements += placeHiddenSinglesOnCurrentLists<blockUnits, blockUnit>(masks);
    return placements;
}
