// The public puzzle lists beside the project (one 81-character puzzle per line, '.' for an
// empty cell), read for tests.
#pragma once
#include <string>
#include <vector>

/// The puzzles of list `name` (for instance "top95.txt") with '.' turned into '0', the form
/// nonet's -p takes. Every `stride`-th puzzle only, starting with the first, when stride > 1.
std::vector<std::string> loadPuzzleList(const std::string& name, size_t stride = 1);
