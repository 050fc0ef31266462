// Naked and hidden singles. Placements write only arrayFields: the candidate lists stay as
// the last update left them until the end of a sweep or pass, so every decision of one
// sweep or pass rests on the same lists.
#include "board/board.h"
#include "solver/solver.h"

namespace {

int canTake(int cell, int digit) {
    return valueExistsInArray(board.availables[cell], board.availablesCount[cell], digit) >= 0;
}

// Notes `cell` if it can take `digit`; returns 0 once a second cell can.
bool noteIfCandidate(int cell, int digit, int* noted) {
    if (!canTake(cell, digit)) return true;
    if (*noted >= 0) return false;
    *noted = cell;
    return true;
}

// One pass over nine units: places each digit that exactly one cell of a unit can take.
int placeHiddenSingles(int (*search)(int, int), const int* unitStarts) {
    int placements = 0;
    for (int unit = 0; unit < 9; ++unit)
        for (int digit = 1; digit <= 9; ++digit) {
            const int cell = search(unitStarts[unit], digit);
            if (cell < 0) continue;
            board.arrayFields[cell] = digit;
            ++placements;
        }
    updateAvailables();
    return placements;
}

constexpr int rowStarts[9] = {0, 9, 18, 27, 36, 45, 54, 63, 72};
constexpr int columnStarts[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};

}  // namespace

int checkUniquesInRow(int rowStart, int digit) {
    int noted = -1;
    for (int k = 0; k < 9; ++k)
        if (!noteIfCandidate(rowStart + k, digit, &noted)) return -1;
    return noted;
}

int checkUniquesInCol(int column, int digit) {
    int noted = -1;
    for (int k = 0; k < 9; ++k)
        if (!noteIfCandidate(column + k * 9, digit, &noted)) return -1;
    return noted;
}

int checkUniquesInBlock(int blockStart, int digit) {
    int noted = -1;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            if (!noteIfCandidate(blockStart + r * 9 + c, digit, &noted)) return -1;
    return noted;
}

int solveOnes() {
    int filled = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (board.availablesCount[cell] != 1) continue;
        board.arrayFields[cell] = board.availables[cell][0];
        board.availablesCount[cell] = 0;
        ++filled;
    }
    if (filled != 0) updateAvailables();
    return filled;
}

int solveUniques() {
    int placements = placeHiddenSingles(checkUniquesInRow, rowStarts);
    placements += placeHiddenSingles(checkUniquesInCol, columnStarts);
    placements += placeHiddenSingles(checkUniquesInBlock, blockStarts);
    return placements;
}
