// The solver: single-candidate deductions and the branching search that tells one
// completed grid from none or several. Everything works on board.arrayFields and reads
// the candidate lists that updateAvailables keeps.
#pragma once

#include "board/board.h"

/// The one cell of the row starting at `rowStart` (row * 9) whose candidate list holds
/// `digit`; -1 when no cell or more than one cell can take it.
int checkUniquesInRow(int rowStart, int digit);

/// The same over column `column` (0..8), visited top to bottom.
int checkUniquesInCol(int column, int digit);

/// The same over the block starting at `blockStart`, visited column by column.
int checkUniquesInBlock(int blockStart, int digit);

/// Naked singles: fills every cell whose list holds exactly one digit, judged by the lists
/// as they stood at the call. Returns the number of cells filled (0 = nothing written, and
/// then no update either); after a non-zero result the lists are up to date.
int solveOnes();

/// Hidden singles: a row pass, a column pass and a block pass, each followed by an update.
/// Returns the number of placements of the three passes together (0 = none).
int solveUniques();

/// solveOnes and solveUniques as the search runs them: on lists that are current (they
/// match arrayFields), with `masks` matching the lists (see ListMasks). Same placements,
/// lists and results. The sweep looks only at cells that an update left with one
/// candidate since the last sweep; a hidden-single pass only at units whose lists changed
/// since that kind of pass last looked; updates touch only the peers of the placed cells,
/// and a pass that placed nothing makes none.
int solveOnesOnCurrentLists(ListMasks* masks);
int solveUniquesOnCurrentLists(ListMasks* masks);

/// Solves board.arrayFields by deduction cycles and branching on two-candidate cells.
/// Returns 1 when the search completed exactly one valid grid (copied into `resultGrid`)
/// and no board of the search stalled; -1 when it completed two or more (`resultGrid`
/// holds the last); else 0: nothing completed, or a board stalled with no two-candidate
/// cell (it may hide further solutions, so uniqueness is unproven), or the givens break
/// the rules (then nothing is searched). Adds one to board.guesses per branching.
/// `nestingLevel` is 0 from outside.
int solvePuzzle(int* resultGrid, int nestingLevel);

/// solvePuzzle for a caller that wants only a unique solution: it gives up at the first
/// board that stalls, since uniqueness can then no longer be proven. Returns 1 exactly when
/// solvePuzzle would (with the same `resultGrid`), else 0 or -1, sooner; board.guesses may
/// then count fewer branchings.
int solveUniquely(int* resultGrid);
