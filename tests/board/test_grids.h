// Grids shared by the board, solver and driver tests, and small helpers to put them on the
// board and to write them the way nonet prints them.
#pragma once
#include <cstring>
#include <string>

#include "board/board.h"
#include "support/counter.h"

namespace testgrids {

// A complete grid that obeys the rules.
inline const std::string validGrid =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// A puzzle whose only solution is validGrid; it needs no branching.
inline const std::string uniquePuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

// Cells of validGrid that form a rectangle over two rows of one band, the two columns in
// different blocks: rows 3 and 4, columns 5 and 8, holding 1 3 / 3 1.
inline constexpr int rectangle[4] = {32, 35, 41, 44};
// A second such rectangle in another band: rows 6 and 7, columns 3 and 8, holding 5 4 / 4 5.
inline constexpr int secondRectangle[4] = {57, 62, 66, 71};

// Cell 0 sees 1..8 in its row and 9 in its column: it can take nothing.
inline const std::string cellZeroBlocked = "012345678900000000" + std::string(63, '0');

// `text` with the listed cells set to `c`.
inline std::string withCells(std::string text, std::initializer_list<int> cells, char c) {
    for (int cell : cells) text[static_cast<size_t>(cell)] = c;
    return text;
}

// Puts a grid of digit characters ('0' empty) into board.arrayFields, as -p does.
inline void loadBoard(const std::string& text) {
    for (int cell = 0; cell < cellCount; ++cell)
        board.arrayFields[cell] = static_cast<signed char>(text[static_cast<size_t>(cell)]) - '0';
}

inline void resetBoard() { std::memset(&board, 0, sizeof board); }

// The output form of a grid of digit characters: 81 fields joined by ':', '0' an empty field.
inline std::string fieldsOf(const std::string& text) {
    std::string out;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (text[static_cast<size_t>(cell)] != '0') out += text[static_cast<size_t>(cell)];
        if (cell != 80) out += ':';
    }
    return out;
}

// The 81 cells of a grid as a digit string (values 0..9 only).
inline std::string textOf(const int* grid) {
    std::string text;
    for (int cell = 0; cell < cellCount; ++cell) text += static_cast<char>('0' + grid[cell]);
    return text;
}

}  // namespace testgrids
