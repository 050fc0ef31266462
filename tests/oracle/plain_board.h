// The plain reading of nonet's hot functions, kept beside the real ones as their oracle.
//
// Every decision here is made entry by entry, exactly as nonet's rules state it: a digit
// is present for a cell when a scan of its column, then its row, then its block finds it;
// a candidate list is edited digit by digit with a lookup and a splice; a unit search asks
// each of its nine cells in turn. Nothing is cached and nothing is clever, so the code can
// be checked against the rules line by line and a fast rewrite can be checked against it.
//
// The functions work on a BoardState passed by reference, never on the global `board`, so
// the oracle can run beside the real code on a copy of the same state. They share no code
// with src/: only the BoardState layout and the cell geometry words of board/board.h.
#pragma once

#include "board/board.h"

namespace plain {

/// Position of the first `wanted` among the first `length` entries of `list`, or -1.
/// A `wanted` of 0 is never found.
int valueExistsInArray(const int* list, int length, int wanted);

/// Removes the entry at `position`, later entries moving down one place; returns the new
/// number of entries. A negative position, or one at or past `length`, changes nothing.
int arraySplice(int* list, int length, int position);

/// 1 when `grid` holds 81 digits 1..9 with no digit twice in a row, column or block, else 0.
int isValidCompleteGrid(const int* grid);

/// Brings every candidate list of `state` in line with its arrayFields: survivors keep
/// their order, digits that became possible are appended in ascending order, a filled cell
/// gets count 0 and keeps its slots. Returns -1 if an empty cell has no candidate left,
/// else the number of empty cells.
int updateAvailables(BoardState& state);

/// The one cell of the row starting at `rowStart` whose list holds `digit`; -1 for none or
/// more than one. Visits rowStart .. rowStart + 8.
int checkUniquesInRow(const BoardState& state, int rowStart, int digit);

/// The same over column `column`, top to bottom.
int checkUniquesInCol(const BoardState& state, int column, int digit);

/// The same over the block starting at `blockStart`, column by column.
int checkUniquesInBlock(const BoardState& state, int blockStart, int digit);

/// Naked singles: fills each cell whose count is 1 with entry 0, sets its count to 0, and
/// updates once if anything was filled. Returns the number of cells filled.
int solveOnes(BoardState& state);

/// Hidden singles: a row pass, a column pass and a block pass, each followed by an update.
/// Returns the number of placements of the three passes.
int solveUniques(BoardState& state);

/// The search: deduction cycles, then branching on the lowest two-candidate cell, entry 0
/// then entry 1. A board without empty cells counts as a solution only when it is a valid
/// complete grid. Returns 1 (exactly one, copied into `resultGrid`), -1 (two or more,
/// `resultGrid` holds the last) or 0 (none). Adds one to state.guesses per branching.
int solvePuzzle(BoardState& state, int* resultGrid, int nestingLevel);

}  // namespace plain
