// An independent solution counter for tests: plain bitmask backtracking, sharing no code
// with src/. It is small enough to be checked by eye.
#pragma once
#include <array>
#include <string>

using Grid = std::array<int, 81>;

/// Number of solutions of `puzzle` (0 = empty cell, 1..9 given), counting up to `limit`.
/// A puzzle whose givens break the rules, or hold a value outside 0..9, has 0.
/// When `first` is given and a solution exists, it receives the first solution found.
int countSolutions(const Grid& puzzle, int limit = 2, Grid* first = nullptr);

/// True when `grid` holds 81 digits and every row, column and block holds each digit once.
bool isValidSolution(const Grid& grid);

/// True when every non-zero cell of `puzzle` equals the same cell of `solution`.
bool agreesWithGivens(const Grid& puzzle, const Grid& solution);

/// Reads 81 characters: '1'..'9' a digit, '0' or '.' an empty cell.
Grid gridFromText(const std::string& text);

/// Reads one field list "a:b:...": 81 fields separated by ':', an empty field an empty cell.
/// Returns false when the text is not exactly 81 fields of nothing or one digit 1..9.
bool gridFromFields(const std::string& text, Grid* grid);
