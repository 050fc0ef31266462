// The public puzzle lists, read once per process for the benchmarks, and the check of an
// answer that every benchmark makes outside its timed loop.
#pragma once

#include <array>
#include <string>
#include <vector>

using BenchGrid = std::array<int, 81>;

/// The puzzles of `file` in the list folder ($NONET_DATA_DIR, else the one beside the
/// project), '.' read as an empty cell. Read on first use and kept; empty when missing.
const std::vector<BenchGrid>& puzzleList(const std::string& file);

/// True when `answer` is a valid complete grid that keeps every given of `puzzle`.
bool solves(const BenchGrid& puzzle, const int* answer);
