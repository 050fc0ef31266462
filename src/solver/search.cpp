// The search: deduction cycles until they stall, then branching on the lowest cell with
// exactly two candidates, trying both digits in list order. Only arrayFields is saved and
// restored around a branch; the candidate lists carry over and decide which digit goes
// first, since a filled cell keeps its slots (the branching cell's entries stay readable).
#include <cstring>

#include "board/board.h"
#include "solver/solver.h"

namespace {

// Runs naked singles, then hidden singles, then an update, until the count of empty cells
// stops changing. Returns the last update's result: -1 contradiction, 0 full, n empty cells.
int runDeductionCycles() {
    int count = updateAvailables();
    if (count == 0) return 0;
    int previous = 0;  // the first cycle compares with 0, not with the entry count
    for (;;) {
        while (solveOnes() != 0) {}
        while (solveUniques() != 0) {}
        count = summariseCurrentLists();  // solveUniques placed nothing after its last update
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

// Tries entry 0, then entry 1, of `cell`'s list. Returns 1, -1 or 0 as solvePuzzle does.
int branchOn(int cell, int* resultGrid, int nestingLevel) {
    ++board.guesses;
    int snapshot[cellCount];
    std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
    int foundDigit = 0;  // 0: no branch solved yet; -1: both did
    for (int branch = 0; branch < 2; ++branch) {
        if (branch == 1) std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
        const int digit = board.availables[cell][branch];
        board.arrayFields[cell] = digit;
        const int result = solvePuzzle(resultGrid, nestingLevel + 1);
        if (result < 0) return -1;
        if (result > 0) foundDigit = foundDigit == 0 ? digit : -1;
    }
    if (foundDigit <= 0) return foundDigit;
    std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
    board.arrayFields[cell] = foundDigit;
    return 1;
}

}  // namespace

int solvePuzzle(int* resultGrid, int nestingLevel) {
    const int count = runDeductionCycles();
    if (count < 0) return 0;
    if (count == 0) return acceptCompletedBoard(resultGrid);
    const int cell = findBranchingCell();
    if (cell < 0) return 0;
    return branchOn(cell, resultGrid, nestingLevel);
}
