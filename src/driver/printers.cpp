// Grid printers. Values are written in decimal with as few characters as they need.
#include <cstdio>

#include "driver/driver.h"

namespace {

void writeValue(int value) {
    if (value >= 0 && value <= 9)
        std::putchar('0' + value);
    else
        std::printf("%d", value);
}

}  // namespace

void displayJsVersion(const int* grid) {
    // One write for the common case of digits and empty cells: 81 fields, 80 colons.
    char text[161];
    int length = 0;
    for (int cell = 0; cell < 81; ++cell) {
        const int value = grid[cell];
        if (value < 0 || value > 9) {
            std::fwrite(text, 1, static_cast<size_t>(length), stdout);
            length = 0;
            std::printf("%d", value);
        } else if (value != 0) {
            text[length++] = static_cast<char>('0' + value);
        }
        if (cell != 80) text[length++] = ':';
    }
    std::fwrite(text, 1, static_cast<size_t>(length), stdout);
}

void displayGrid(const int* grid, int markedCell) {
    for (int cell = 0; cell < 81; ++cell) {
        if (grid[cell] != 0)
            writeValue(grid[cell]);
        else
            std::putchar(cell == markedCell ? 'X' : '-');
        std::putchar(' ');
        if ((cell + 1) % 9 == 0) std::putchar('\n');
    }
}

void displayCVersion(const int* grid) {
    for (int cell = 0; cell < 81; ++cell) writeValue(grid[cell]);
}

void displayArray(const int* list, int length) {
    for (int k = 0; k < length; ++k) {
        writeValue(list[k]);
        if (k != length - 1) std::putchar(',');
    }
}

void tabber(int level) {
    for (int k = 0; k < level; ++k) std::printf("  ");
}
