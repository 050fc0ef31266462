// The full-grid filler: cell by cell in index order, each cell's digit drawn from its
// candidate list as it stands right after an update. The draw picks by position, so the
// order that updateAvailables keeps decides which digit a random value yields.
#include "board/board.h"
#include "generator/generator.h"

namespace {

constexpr int restartLimit = 15;  // dead ends a call survives; the 16th fails it

// Empties the row of `deadEnd` up to and including it; returns the row's first cell.
int restartRow(int deadEnd) {
    const int rowStart = rowStartOf(deadEnd);
    for (int cell = rowStart; cell <= deadEnd; ++cell) board.arrayFields[cell] = 0;
    return rowStart;
}

}  // namespace

int createGrid() {
    for (int& value : board.arrayFields) value = 0;
    ListMasks masks;
    readListMasks(&masks);
    int restarts = 0;
    int placed = -1;  // the cell filled since the last update; -1 when cells were emptied
    int cell = 0;
    while (cell < cellCount) {
        // The update before every step. After a placement only that cell's peers can change.
        if (placed >= 0)
            updateAvailablesAfterPlacements(&masks, &placed, 1);
        else
            updateAvailablesKnowingMasks(&masks);
        const int count = board.availablesCount[cell];
        if (count == 0) {
            cell = restartRow(cell);
            placed = -1;
            if (++restarts > restartLimit) return 0;
            continue;
        }
        board.arrayFields[cell] = board.availables[cell][drawCandidatePosition(count)];
        placed = cell;
        ++cell;
    }
    return 1;
}
