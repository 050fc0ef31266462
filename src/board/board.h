// The board model: the one process-wide board state, the cell geometry and the
// functions that read and keep it.
//
// Words used throughout nonet:
//   cell index      0..80, row by row from the top left: index = row * 9 + column.
//   grid            81 ints indexed by cell; 0 is an empty cell, 1..9 a digit, and any
//                   other value (only from a command-line puzzle) also counts as filled.
//   unit            a row, a column or a 3x3 block, named by its first cell.
//   peer            another cell of the same row, column or block.
//   candidate list  per cell, nine slots in `availables` and a count in
//                   `availablesCount`; the first count slots hold distinct digits in a
//                   significant order, the slots past the count are stale, never cleared.
#pragma once

#include <cstdint>

constexpr int cellCount = 81;
constexpr int slotCount = 9;  // slots in one candidate list, one per digit

struct BoardState {
    int arrayFields[cellCount];            // working grid: being filled, thinned or solved
    int solution[cellCount];               // complete grid (generate) or solved grid (solve)
    int availablesCount[cellCount];        // count of each cell's candidate list
    int availables[cellCount][slotCount];  // slots of each cell's candidate list
    int guesses;                           // branchings made by the search since the last reset
};

/// The one board state of the process, statically allocated and all zero at start.
extern BoardState board;

/// First cell of each 3x3 block, blocks numbered row by row.
inline constexpr int blockStarts[9] = {0, 3, 6, 27, 30, 33, 54, 57, 60};

constexpr int rowOf(int cell) { return cell / 9; }
constexpr int columnOf(int cell) { return cell % 9; }
constexpr int rowStartOf(int cell) { return rowOf(cell) * 9; }
constexpr int blockStartOf(int cell) { return (rowOf(cell) / 3) * 27 + (columnOf(cell) / 3) * 3; }
constexpr int blockOf(int cell) { return (rowOf(cell) / 3) * 3 + columnOf(cell) / 3; }  // 0..8, row by row

/// Position of the first `wanted` among the first `length` entries of `list`, or -1.
/// A `wanted` of 0 is never found, and nothing is read then.
int valueExistsInArray(const int* list, int length, int wanted);

/// Removes the entry at `position` (later entries move down one place) and returns the
/// new number of entries; a position outside 0..length-1 changes nothing.
int arraySplice(int* list, int length, int position);

/// 1 if a non-zero value repeats within a column or a row of `grid`, else 0.
/// Blocks are not examined.
int checkForDuplicates(const int* grid);

/// 1 if every filled cell of `grid` holds a digit 1..9 and no row, column or block holds a
/// digit twice, else 0. Empty cells are allowed.
int obeysRules(const int* grid);

/// 1 if every cell of `grid` holds a digit 1..9 and no row, column or block holds a
/// digit twice, else 0.
int isValidCompleteGrid(const int* grid);

/// The values each unit holds, as bits: bit v for value v, so an empty cell gives bit 0.
struct UnitDigits {
    unsigned row[9], column[9], block[9];
};

/// Gathers `units` from a grid whose values are all 0..9, without branches; returns false
/// (with `units` unusable) when some value is outside 0..9.
bool gatherUnitDigits(const int* grid, UnitDigits* units);

/// Brings every candidate list in line with board.arrayFields.
/// Returns -1 if an empty cell has no candidate left, else the number of empty cells (0 = full).
/// Writes only availables and availablesCount; list order carries over from call to call:
/// surviving entries keep their order and digits that became possible follow, ascending.
int updateAvailables();

/// Every candidate list as a digit mask (bit d for digit d; 0 for a filled cell), kept
/// beside the lists by a caller that updates them often, with a record of what changed:
/// bit 9 * kind + u of changedUnits for unit u of each kind (rows, columns, blocks), set
/// whenever a list of the unit changes, and bit c % 64 of oneLeftCells[c / 64] for cell c,
/// set whenever an update leaves the cell's list with a single entry (a later update may
/// take that away). The caller clears these bits when it has looked.
struct ListMasks {
    unsigned cell[cellCount];
    std::uint64_t oneLeftCells[2];
    unsigned changedUnits;
};
enum UnitKind { rowUnit, columnUnit, blockUnit };

/// Reads every list into `masks`, marking every unit as changed and every cell as one
/// that may have a single entry left.
void readListMasks(ListMasks* masks);

/// updateAvailables for a caller whose `masks` match the lists. Same lists, same order,
/// same result; `masks` is kept matching them.
int updateAvailablesKnowingMasks(ListMasks* masks);

/// The update after placements, for a caller whose lists were current (they matched
/// arrayFields at the last update) until the `placedCount` cells of `placedCells`, empty
/// then, received digits 1..9 (a cell may be listed twice). Leaves exactly the lists a full
/// update would; keeps `masks` matching them. The result a full update would give is
/// summariseCurrentLists().
void updateAvailablesAfterPlacements(ListMasks* masks, const int* placedCells, int placedCount);

/// The full update for a board that is the one on which `earlierMasks` (a copy of
/// masks->cell taken while the lists were current) was taken, plus `placedCell` filled
/// with a digit 1..9 since; the lists themselves may have changed in between, as `masks`
/// records. Same lists, same order, same result as updateAvailables.
int updateAvailablesAfterReturn(ListMasks* masks, const unsigned* earlierMasks, int placedCell);

/// The digits among the first availablesCount[cell] entries of the cell's list, as bits 1..9.
unsigned listMask(int cell);

/// What updateAvailables would return, read off lists that are already current (no cell
/// changed since the last update): -1 if an empty cell has count 0, else the empty cells.
int summariseCurrentLists();
