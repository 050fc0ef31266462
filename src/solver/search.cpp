// The search: deduction cycles until they stall, then branching on the lowest cell with
// exactly two candidates, trying both digits in list order. Only arrayFields is saved and
// restored around a branch; the candidate lists carry over and decide which digit goes
// first, since a filled cell keeps its slots (the branching cell's entries stay readable).
//
// The search keeps every list as a digit mask too. From a level's entry update on, the lists
// match arrayFields whenever a deduction starts, which lets the deductions update only the
// peers of what they placed, and lets the first branch start from its parent's lists.
#include <algorithm>
#include <cstring>

#include "board/board.h"
#include "solver/solver.h"

namespace {

// What one search shares across its levels: every list as a digit mask (each update of the
// search, at whatever level, keeps them matching the lists), whether a board has stalled,
// and whether the search gives up at the first stall.
struct SearchRun {
    ListMasks masks;
    bool stalled;
    bool stopAtStall;
};

int solveLevel(int* resultGrid, int nestingLevel, int entryCount, SearchRun* run);

// Runs naked singles, then hidden singles, then an update, until the count of empty cells
// stops changing; `entryCount` is the entry update's result. Returns the last update's
// result: -1 contradiction, 0 full, n empty cells. The update that ends a cycle comes right
// after a hidden-single call that placed nothing, so its result is read off the counts.
// A later cycle whose naked singles place nothing would run its hidden singles on the very
// lists on which they just placed nothing: it changes nothing and is the last one.
int runDeductionCycles(ListMasks* masks, int entryCount) {
    if (entryCount == 0) return 0;
    int previous = 0;  // the first cycle compares with 0, not with the entry count
    for (bool firstCycle = true;; firstCycle = false) {
        int nakedSingles = 0;
        while (const int placed = solveOnesOnCurrentLists(masks)) nakedSingles += placed;
        if (!firstCycle && nakedSingles == 0) return previous;
        while (solveUniquesOnCurrentLists(masks) != 0) {}
        const int count = summariseCurrentLists();
        if (count == previous) return count;
        previous = count;
    }
}

// Lowest cell with exactly two candidates, or -1.
int findBranchingCell() {
    for (int cell = 0; cell < cellCount; ++cell)
        if (board.availablesCount[cell] == 2) return cell;
    return -1;
}

// A board without empty cells counts only when it obeys the rules: wrong branches can
// complete a board with repeated digits, and a puzzle's givens may repeat or hold non-digits.
int acceptCompletedBoard(int* resultGrid) {
    if (!isValidCompleteGrid(board.arrayFields)) return 0;
    std::memcpy(resultGrid, board.arrayFields, sizeof board.arrayFields);
    return 1;
}

// The entry update of a first branch: the parent's lists were current, and only
// `branchCell` has been filled since.
int enterFirstBranch(ListMasks* masks, int branchCell) {
    updateAvailablesAfterPlacements(masks, &branchCell, 1);
    return summariseCurrentLists();
}

// Tries entry 0, then entry 1, of `cell`'s list. Returns 1, -1 or 0 as solvePuzzle does.
int branchOn(int cell, int* resultGrid, int nestingLevel, SearchRun* run) {
    ++board.guesses;
    int snapshot[cellCount];
    std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
    unsigned snapshotMasks[cellCount];  // the lists are current here: the board's candidates
    std::memcpy(snapshotMasks, run->masks.cell, sizeof snapshotMasks);
    int foundDigit = 0;  // 0: no branch solved yet; -1: both did
    for (int branch = 0; branch < 2; ++branch) {
        if (branch == 1) std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
        const int digit = board.availables[cell][branch];
        board.arrayFields[cell] = digit;
        // The second branch starts from the lists as the first branch's search left them.
        const int entryCount = branch == 0 ? enterFirstBranch(&run->masks, cell)
                                           : updateAvailablesAfterReturn(&run->masks, snapshotMasks, cell);
        const int result = solveLevel(resultGrid, nestingLevel + 1, entryCount, run);
        if (run->stalled && run->stopAtStall) return 0;
        if (result < 0) return -1;
        if (result > 0) foundDigit = foundDigit == 0 ? digit : -1;
    }
    if (foundDigit <= 0) return foundDigit;
    std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
    board.arrayFields[cell] = foundDigit;
    return 1;
}

// One level of the search, after its entry update. A board that stalls with no
// two-candidate cell gets 0 and is noted in `run`.
int solveLevel(int* resultGrid, int nestingLevel, int entryCount, SearchRun* run) {
    const int count = runDeductionCycles(&run->masks, entryCount);
    if (count < 0) return 0;
    if (count == 0) return acceptCompletedBoard(resultGrid);
    const int cell = findBranchingCell();
    if (cell < 0) {
        run->stalled = true;
        return 0;
    }
    return branchOn(cell, resultGrid, nestingLevel, run);
}

int searchPuzzle(int* resultGrid, int nestingLevel, bool stopAtStall) {
    // Givens are never overwritten, so when they break the rules no completed board can
    // count and the answer is 0 whatever the search does: it is not run.
    if (!obeysRules(board.arrayFields)) return 0;
    SearchRun run;
    run.stalled = false;
    run.stopAtStall = stopAtStall;
    readListMasks(&run.masks);
    const int entryCount = updateAvailablesKnowingMasks(&run.masks);
    const int result = solveLevel(resultGrid, nestingLevel, entryCount, &run);
    // A stalled board may still have solutions, so one completed board proves nothing then:
    // the search cannot tell a unique puzzle, and answers 0 as for a stall at the top.
    return run.stalled ? std::min(result, 0) : result;
}

}  // namespace

int solvePuzzle(int* resultGrid, int nestingLevel) { return searchPuzzle(resultGrid, nestingLevel, false); }

int solveUniquely(int* resultGrid) { return searchPuzzle(resultGrid, 0, true); }
