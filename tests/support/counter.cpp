#include "support/counter.h"

namespace {

struct Search {
    Grid grid{};
    unsigned rows[9]{}, cols[9]{}, boxes[9]{};  // bit d set: digit d used in that unit
    int found = 0;
    int limit = 2;
};

int boxOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

bool place(Search& s, int cell, int digit) {
    const unsigned bit = 1u << digit;
    if ((s.rows[cell / 9] | s.cols[cell % 9] | s.boxes[boxOf(cell)]) & bit) return false;
    s.rows[cell / 9] |= bit;
    s.cols[cell % 9] |= bit;
    s.boxes[boxOf(cell)] |= bit;
    s.grid[cell] = digit;
    return true;
}

void unplace(Search& s, int cell, int digit) {
    const unsigned bit = 1u << digit;
    s.rows[cell / 9] &= ~bit;
    s.cols[cell % 9] &= ~bit;
    s.boxes[boxOf(cell)] &= ~bit;
    s.grid[cell] = 0;
}

// Branches on the empty cell with the fewest possible digits.
void search(Search& s) {
    int best = -1, bestCount = 10;
    for (int cell = 0; cell < 81; ++cell) {
        if (s.grid[cell] != 0) continue;
        const unsigned used = s.rows[cell / 9] | s.cols[cell % 9] | s.boxes[boxOf(cell)];
        int count = 0;
        for (int d = 1; d <= 9; ++d) count += (used >> d & 1u) == 0;
        if (count < bestCount) { best = cell; bestCount = count; }
    }
    if (best < 0) { ++s.found; return; }
    for (int d = 1; d <= 9 && s.found < s.limit; ++d)
        if (place(s, best, d)) { search(s); unplace(s, best, d); }
}

}  // namespace

int countSolutions(const Grid& puzzle, int limit) {
    Search s;
    s.limit = limit;
    for (int cell = 0; cell < 81; ++cell) {
        const int v = puzzle[cell];
        if (v < 0 || v > 9) return 0;
        if (v != 0 && !place(s, cell, v)) return 0;
    }
    search(s);
    return s.found;
}

bool isValidSolution(const Grid& grid) {
    for (int v : grid)
        if (v < 1 || v > 9) return false;
    Search s;
    for (int cell = 0; cell < 81; ++cell)
        if (!place(s, cell, grid[cell])) return false;
    return true;
}

bool agreesWithGivens(const Grid& puzzle, const Grid& solution) {
    for (int cell = 0; cell < 81; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != solution[cell]) return false;
    return true;
}

Grid gridFromText(const std::string& text) {
    Grid grid{};
    for (int cell = 0; cell < 81 && cell < static_cast<int>(text.size()); ++cell) {
        const char c = text[static_cast<size_t>(cell)];
        grid[static_cast<size_t>(cell)] = (c >= '1' && c <= '9') ? c - '0' : 0;
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
