#include "support/counter.h"

#include <bit>

// Plain backtracking over bitmasks. Each step branches on the smallest choice it can see:
// either the empty cell with the fewest possible digits (one branch per digit), or the digit
// of a row, column or block with the fewest possible cells (one branch per cell). Either
// way the branches split the solutions of the board into disjoint parts (a cell holds one
// digit; a unit holds a digit in exactly one cell), so every solution is counted once.
namespace {

struct Search {
    Grid grid{};
    unsigned rows[9]{}, cols[9]{}, boxes[9]{};  // bit d set: digit d used in that unit
    int found = 0;
    int limit = 2;
    Grid first{};  // the first solution found
};

int boxOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

constexpr unsigned allDigits = 0x3FE;  // bits 1..9

unsigned possibleDigits(const Search& s, int cell) {
    return allDigits & ~(s.rows[cell / 9] | s.cols[cell % 9] | s.boxes[boxOf(cell)]);
}

bool place(Search& s, int cell, int digit) {
    const unsigned bit = 1u << digit;
    if ((s.rows[cell / 9] | s.cols[cell % 9] | s.boxes[boxOf(cell)]) & bit) return false;
    s.rows[cell / 9] |= bit;
    s.cols[cell % 9] |= bit;
    s.boxes[boxOf(cell)] |= bit;
    s.grid[static_cast<size_t>(cell)] = digit;
    return true;
}

void unplace(Search& s, int cell, int digit) {
    const unsigned bit = 1u << digit;
    s.rows[cell / 9] &= ~bit;
    s.cols[cell % 9] &= ~bit;
    s.boxes[boxOf(cell)] &= ~bit;
    s.grid[static_cast<size_t>(cell)] = 0;
}

// The k-th cell (0..8) of unit u: units 0..8 rows, 9..17 columns, 18..26 blocks.
int unitCell(int u, int k) {
    if (u < 9) return u * 9 + k;
    if (u < 18) return (u - 9) + k * 9;
    const int b = u - 18;
    return (b / 3) * 27 + (b % 3) * 3 + (k / 3) * 9 + k % 3;
}

void search(Search& s) {
    // Smallest cell choice.
    int bestCell = -1, bestCount = 10;
    for (int cell = 0; cell < 81; ++cell) {
        if (s.grid[static_cast<size_t>(cell)] != 0) continue;
        const int count = std::popcount(possibleDigits(s, cell));
        if (count < bestCount) {
            bestCell = cell;
            bestCount = count;
        }
    }
    if (bestCell < 0) {  // no empty cell: a solution
        if (s.found++ == 0) s.first = s.grid;
        return;
    }
    if (bestCount == 0) return;

    // Smallest unit choice: a digit missing from a unit and the cells of the unit that can take it.
    int bestUnit = -1, bestDigit = 0, bestPlaces = bestCount;
    for (int u = 0; u < 27 && bestPlaces > 1; ++u)
        for (int d = 1; d <= 9; ++d) {
            int places = 0;
            bool placed = false;
            for (int k = 0; k < 9; ++k) {
                const int cell = unitCell(u, k);
                if (s.grid[static_cast<size_t>(cell)] == d) placed = true;
                if (s.grid[static_cast<size_t>(cell)] == 0 && (possibleDigits(s, cell) >> d & 1u)) ++places;
            }
            if (placed) continue;
            if (places == 0) return;  // the digit fits nowhere in this unit
            if (places < bestPlaces) {
                bestUnit = u;
                bestDigit = d;
                bestPlaces = places;
            }
        }

    if (bestUnit < 0) {
        for (int d = 1; d <= 9 && s.found < s.limit; ++d)
            if (place(s, bestCell, d)) {
                search(s);
                unplace(s, bestCell, d);
            }
        return;
    }
    for (int k = 0; k < 9 && s.found < s.limit; ++k) {
        const int cell = unitCell(bestUnit, k);
        if (s.grid[static_cast<size_t>(cell)] != 0) continue;
        if (place(s, cell, bestDigit)) {
            search(s);
            unplace(s, cell, bestDigit);
        }
    }
}

}  // namespace

int countSolutions(const Grid& puzzle, int limit, Grid* first) {
    Search s;
    s.limit = limit;
    for (int cell = 0; cell < 81; ++cell) {
        const int v = puzzle[static_cast<size_t>(cell)];
        if (v < 0 || v > 9) return 0;
        if (v != 0 && !place(s, cell, v)) return 0;
    }
    search(s);
    if (first != nullptr && s.found > 0) *first = s.first;
    return s.found;
}

bool isValidSolution(const Grid& grid) {
    for (int v : grid)
        if (v < 1 || v > 9) return false;
    Search s;
    for (int cell = 0; cell < 81; ++cell)
        if (!place(s, cell, grid[static_cast<size_t>(cell)])) return false;
    return true;
}

bool agreesWithGivens(const Grid& puzzle, const Grid& solution) {
    for (size_t cell = 0; cell < 81; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != solution[cell]) return false;
    return true;
}

Grid gridFromText(const std::string& text) {
    Grid grid{};
    for (size_t cell = 0; cell < 81 && cell < text.size(); ++cell) {
        const char c = text[cell];
        grid[cell] = (c >= '1' && c <= '9') ? c - '0' : 0;
    }
    return grid;
}

bool gridFromFields(const std::string& text, Grid* grid) {
    size_t cell = 0;
    size_t fieldLength = 0;
    *grid = Grid{};
    for (char c : text) {
        if (c == ':') {
            if (++cell >= 81) return false;
            fieldLength = 0;
            continue;
        }
        if (c < '1' || c > '9' || ++fieldLength > 1) return false;
        (*grid)[cell] = c - '0';
    }
    return cell == 80;
}
