// Fuzzes solvePuzzle on any 81-cell board, values outside 0..9 included, and checks every
// grid it reports as solved with a check of its own that shares no code with nonet.
//
// Input layout: byte 0 picks how the cells are read from the bytes after it (missing
// bytes leave cells empty):
//   byte 0 % 3 == 0  text, one byte per cell, as -p reads it: signed byte minus '0'
//                    (a seed is "0" followed by a puzzle line with 0 for empty cells)
//   byte 0 % 3 == 1  one signed byte per cell, taken as it is
//   byte 0 % 3 == 2  four bytes per cell, a native-endian int32
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "board/board.h"
#include "solver/solver.h"

namespace {

void readBoard(const uint8_t* data, size_t size, int* grid) {
    std::memset(grid, 0, sizeof(int) * cellCount);
    if (size == 0) return;
    const int layout = data[0] % 3;
    const uint8_t* cells = data + 1;
    const size_t available = size - 1;
    for (size_t cell = 0; cell < static_cast<size_t>(cellCount); ++cell) {
        if (layout == 2) {
            if ((cell + 1) * 4 > available) break;
            int32_t value;
            std::memcpy(&value, cells + cell * 4, sizeof value);
            grid[cell] = value;
        } else {
            if (cell >= available) break;
            const int value = static_cast<int8_t>(cells[cell]);
            grid[cell] = layout == 0 ? value - '0' : value;
        }
    }
}

// 1 when all 81 cells hold 1..9 and each row, column and block holds each digit once.
bool isCompleteAndValid(const int* grid) {
    for (int unit = 0; unit < 9; ++unit) {
        bool inRow[10] = {}, inColumn[10] = {}, inBlock[10] = {};
        for (int k = 0; k < 9; ++k) {
            const int rowCell = unit * 9 + k;
            const int columnCell = k * 9 + unit;
            const int blockCell = (unit / 3) * 27 + (unit % 3) * 3 + (k / 3) * 9 + k % 3;
            for (int cell : {rowCell, columnCell, blockCell})
                if (grid[cell] < 1 || grid[cell] > 9) return false;
            if (inRow[grid[rowCell]] || inColumn[grid[columnCell]] || inBlock[grid[blockCell]])
                return false;
            inRow[grid[rowCell]] = inColumn[grid[columnCell]] = inBlock[grid[blockCell]] = true;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int puzzle[cellCount];
    readBoard(data, size, puzzle);

    std::memset(&board, 0, sizeof board);
    std::memcpy(board.arrayFields, puzzle, sizeof puzzle);
    int result[cellCount] = {};
    const int verdict = solvePuzzle(result, 0);

    if (verdict < -1 || verdict > 1) std::abort();
    if (verdict <= 0) return 0;
    if (!isCompleteAndValid(result)) std::abort();
    // Every filled cell of the puzzle, digit or not, must stand unchanged in the solution;
    // a cell outside 1..9 thus can never be part of a reported solution.
    for (int cell = 0; cell < cellCount; ++cell)
        if (puzzle[cell] != 0 && result[cell] != puzzle[cell]) std::abort();
    return 0;
}
