// Candidate upkeep: the hot path of both the solver and the filler.
//
// The plain rule works digit by digit: for d = 1..9, scan the cell's column, row and block
// for |d|; append d when it is possible and missing, remove it (later entries move up) when
// it is listed and no longer possible. Appends go to the end and only removals reorder, so
// the result is always: the surviving entries in their old order, then the digits that
// became possible, ascending. That is what refreshList builds, from one digit mask per unit
// computed once per call instead of 27 cells scanned per digit per cell.
#include <bit>
#include <cstring>

#include "board/board.h"

namespace {

constexpr unsigned allDigits = 0x3FE;  // bits 1..9; bit d means digit d, bit 0 unused

// The digit a cell value keeps out of its peers' lists, as a bit: v and -v both keep |v|
// out; a value whose |v| is above 9 (only from a command-line puzzle) keeps nothing out.
constexpr unsigned presenceBit(int value) {
    const unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    return magnitude <= 9 ? (1u << magnitude) & allDigits : 0u;
}

// The digits each unit holds, for a grid with any values: the exact rule.
UnitDigits presentDigitsOfAnyValues() {
    UnitDigits units{};
    for (int cell = 0; cell < cellCount; ++cell) {
        const unsigned bit = presenceBit(board.arrayFields[cell]);
        units.row[rowOf(cell)] |= bit;
        units.column[columnOf(cell)] |= bit;
        units.block[blockOf(cell)] |= bit;
    }
    return units;
}

// The digits each unit holds. Cells are taken as 1 << value, which is right for the
// values 0..9 that the solver and the filler write (bit 0, from empty cells, is never
// read); a grid holding any other value takes the exact path.
UnitDigits presentDigits() {
    UnitDigits units;
    if (!gatherUnitDigits(board.arrayFields, &units)) return presentDigitsOfAnyValues();
    return units;
}

// Survivors keep their old order; digits that became possible follow in ascending order.
// `inList` holds the list's entries as a mask. Returns the new count.
int refreshList(int* list, int count, unsigned inList, unsigned possible) {
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        list[kept] = list[k];
        kept += (possible >> list[k]) & 1;  // an impossible entry drops out, later ones move up
    }
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

void readListMasks(ListMasks* masks) {
    for (int cell = 0; cell < cellCount; ++cell) masks->cell[cell] = listMask(cell);
    masks->oneLeftCells[0] = ~std::uint64_t{0};
    masks->oneLeftCells[1] = (std::uint64_t{1} << (cellCount - 64)) - 1;
    masks->changedUnits = (1u << 27) - 1;
}

int updateAvailables() {
    ListMasks masks;
    readListMasks(&masks);
    return updateAvailablesKnowingMasks(&masks);
}

namespace {

// The row, column and block of each cell as bits of ListMasks::changedUnits.
struct UnitBits {
    unsigned units[cellCount];
};

constexpr UnitBits makeUnitBits() {
    UnitBits bits{};
    for (int cell = 0; cell < cellCount; ++cell)
        bits.units[cell] = 1u << (9 * rowUnit + rowOf(cell)) | 1u << (9 * columnUnit + columnOf(cell)) |
                           1u << (9 * blockUnit + blockOf(cell));
    return bits;
}

constexpr UnitBits unitBits = makeUnitBits();

// Records that the list of `cell` changed and now holds `count` entries.
void markChanged(ListMasks* masks, int cell, int count) {
    masks->oneLeftCells[cell >> 6] |= std::uint64_t{count == 1} << (cell & 63);
    masks->changedUnits |= unitBits.units[cell];
}

// The full update's pass over the cells, given each cell's possible digits (read only for
// empty cells). After it, each list holds exactly its cell's possible digits (none for a
// filled cell), so the counts and the result follow from those alone; only the lists
// whose digits differ from them are rewritten.
int bringListsTo(ListMasks* masks, const unsigned* possibleDigits) {
    unsigned possible[cellCount];
    int emptyCells = 0;
    int emptyWithout = 0;  // empty cells without a possible digit
    // Branch-free, so the compiler vectorises it.
    for (int cell = 0; cell < cellCount; ++cell) {
        const int empty = board.arrayFields[cell] == 0;
        const unsigned digits = possibleDigits[cell] & (0u - static_cast<unsigned>(empty));
        possible[cell] = digits;
        emptyCells += empty;
        emptyWithout += empty & (digits == 0);
    }
    // The cells whose lists change, listed without branches: which ones they are is
    // unpredictable.
    int changed[cellCount + 1];  // one spare slot for the unconditional write below
    int changedCount = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        changed[changedCount] = cell;
        changedCount += masks->cell[cell] != possible[cell];
    }
    for (int k = 0; k < changedCount; ++k) {
        const int cell = changed[k];
        // A filled cell gets count 0, its slots staying as they are.
        board.availablesCount[cell] = board.arrayFields[cell] != 0
                                          ? 0
                                          : refreshList(board.availables[cell], board.availablesCount[cell],
                                                        masks->cell[cell], possible[cell]);
        masks->cell[cell] = possible[cell];
        markChanged(masks, cell, board.availablesCount[cell]);
    }
    return emptyWithout != 0 ? -1 : emptyCells;
}

}  // namespace

int updateAvailablesKnowingMasks(ListMasks* masks) {
    const UnitDigits present = presentDigits();
    unsigned possible[cellCount];
    for (int row = 0; row < 9; ++row) {
        const unsigned* bandBlocks = present.block + (row / 3) * 3;
#pragma GCC unroll 9
        for (int column = 0; column < 9; ++column)
            possible[row * 9 + column] =
                allDigits & ~(present.row[row] | present.column[column] | bandBlocks[column / 3]);
    }
    return bringListsTo(masks, possible);
}

namespace {

// The 20 peers of each cell: the other cells of its row, column and block.
struct PeerTable {
    unsigned char cells[cellCount][20];
};

constexpr PeerTable makePeers() {
    PeerTable table{};
    for (int cell = 0; cell < cellCount; ++cell) {
        int found = 0;
        for (int other = 0; other < cellCount; ++other) {
            const bool peer = rowOf(other) == rowOf(cell) || columnOf(other) == columnOf(cell) ||
                              blockStartOf(other) == blockStartOf(cell);
            if (peer && other != cell) table.cells[cell][found++] = static_cast<unsigned char>(other);
        }
    }
    return table;
}

constexpr PeerTable peerTable = makePeers();

// The peers of `cell` whose lists hold the digit `bit`, as bits 0..19 in peer-table order.
// Branch-free: which peers hold it is unpredictable.
unsigned peersHolding(const ListMasks* masks, int cell, unsigned bit) {
    const unsigned char* peers = peerTable.cells[cell];
    // The digit taken from the bit is known to the compiler to be below 32, which gives
    // the unrolled loop shorter code than a digit passed in.
    const int digit = std::countr_zero(bit);
    unsigned holding = 0;
#pragma GCC unroll 20
    for (int k = 0; k < 20; ++k) holding |= ((masks->cell[peers[k]] >> digit) & 1u) << k;
    return holding;
}

// Takes `digit`, which is in the list, out of it: later entries move up one place.
int removeFromList(int* list, int count, int digit) {
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        list[kept] = list[k];
        kept += list[k] != digit;
    }
    return kept;
}

}  // namespace

void updateAvailablesAfterPlacements(ListMasks* masks, const int* placedCells, int placedCount) {
    // A placed cell is filled now: count 0, slots kept. Its mask 0 also keeps it out of
    // the peer lists below, even when it is a peer of another placement.
    for (int k = 0; k < placedCount; ++k) {
        board.availablesCount[placedCells[k]] = 0;
        masks->cell[placedCells[k]] = 0;
        markChanged(masks, placedCells[k], 0);
    }
    // Lists were current, so a list changes only by losing the digits placed among its
    // peers. Taking them out one placement at a time leaves what one refresh per cell
    // would: the survivors in their old order.
    for (int k = 0; k < placedCount; ++k) {
        const int placed = placedCells[k];
        const int digit = board.arrayFields[placed];
        const unsigned bit = 1u << digit;
        for (unsigned holding = peersHolding(masks, placed, bit); holding != 0; holding &= holding - 1) {
            const int peer = peerTable.cells[placed][std::countr_zero(holding)];
            board.availablesCount[peer] =
                removeFromList(board.availables[peer], board.availablesCount[peer], digit);
            masks->cell[peer] &= ~bit;
            markChanged(masks, peer, board.availablesCount[peer]);
        }
    }
}

int updateAvailablesAfterReturn(ListMasks* masks, const unsigned* earlierMasks, int placedCell) {
    // The possible digits now: those of the earlier board, less the placed digit among the
    // placed cell's peers.
    unsigned possible[cellCount];
    std::memcpy(possible, earlierMasks, sizeof possible);
    const unsigned bit = 1u << board.arrayFields[placedCell];
    for (const unsigned char peer : peerTable.cells[placedCell]) possible[peer] &= ~bit;
    return bringListsTo(masks, possible);
}

int summariseCurrentLists() {
    int emptyCells = 0;
    int withoutCandidates = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        const int empty = board.arrayFields[cell] == 0;
        emptyCells += empty;
        withoutCandidates += empty & (board.availablesCount[cell] == 0);
    }
    return withoutCandidates != 0 ? -1 : emptyCells;
}
