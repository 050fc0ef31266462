// Clue removal: empties random cells of a complete grid one trial at a time, keeping a
// removal only while the solver still completes exactly one grid, until the target is met.
#include <cstring>

#include "board/board.h"
#include "generator/generator.h"
#include "solver/solver.h"

namespace {

constexpr int countModeLimit = 100;  // numberToHide up to this is a count, above a difficulty

// Empties `cell` and runs the uniqueness test; puts the digit back unless exactly one
// solution remains. Only arrayFields is restored: the solver's deductions are undone, its
// candidate lists are not. Returns 1 when the removal stands.
int tryRemoval(int cell) {
    const int digit = board.arrayFields[cell];
    board.arrayFields[cell] = 0;
    int snapshot[cellCount];
    std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
    int unusedResult[cellCount];
    const int accepted = solvePuzzle(unusedResult, 0) > 0;
    if (!accepted) snapshot[cell] = digit;
    std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
    return accepted;
}

int sumOfCandidateCounts() {
    int sum = 0;
    for (int count : board.availablesCount) sum += count;
    return sum;
}

}  // namespace

int candidateRatio(int candidateSum, int emptiedCells) {
    // Single precision is part of the rule: 210 / 50 gives 419, not 420.
    const float perCell = static_cast<float>(candidateSum) / static_cast<float>(emptiedCells);
    const float hundredths = perCell * 100.0f;
    return static_cast<int>(hundredths);
}

DifficultyVerdict judgeDifficulty(int ratio, int numberToHide) {
    const long d = static_cast<long>(ratio) - numberToHide;
    if (d >= -9 && d <= 9) return targetMet;
    if (d <= 10) return keepRemoving;  // every d below -9, and d = 10 exactly
    return overshot;
}

int hideBlocks(int numberToHide, int numberOfGuesses) {
    int untried[cellCount];
    for (int cell = 0; cell < cellCount; ++cell) untried[cell] = cell;
    int untriedCount = cellCount;
    int emptied = 0;
    bool done = false;
    board.guesses = 0;
    while (!done) {
        if (untriedCount <= 0) return 0;
        const int cell = drawUntriedCell(untried);
        untried[cell] = -1;
        --untriedCount;
        if (!tryRemoval(cell)) continue;
        ++emptied;
        updateAvailables();
        if (numberToHide > countModeLimit) {
            const DifficultyVerdict verdict =
                judgeDifficulty(candidateRatio(sumOfCandidateCounts(), emptied), numberToHide);
            if (verdict == overshot) return 0;
            done = verdict == targetMet;
        } else {
            done = emptied >= numberToHide;
        }
    }
    if (numberOfGuesses != 0 && board.guesses <= numberOfGuesses) return 0;
    return 1;
}
