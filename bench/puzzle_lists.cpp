#include "puzzle_lists.h"

#include <cstdlib>
#include <fstream>
#include <map>

#include "oracle/plain_board.h"

const std::vector<BenchGrid>& puzzleList(const std::string& file) {
    static std::map<std::string, std::vector<BenchGrid>> lists;
    const auto known = lists.find(file);
    if (known != lists.end()) return known->second;
    const char* folder = std::getenv("NONET_DATA_DIR");
    std::ifstream in(std::string(folder != nullptr ? folder : NONET_DATA_DIR) + "/" + file);
    std::vector<BenchGrid>& puzzles = lists[file];
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 81) continue;
        BenchGrid grid;
        for (size_t cell = 0; cell < 81; ++cell) grid[cell] = line[cell] == '.' ? 0 : line[cell] - '0';
        puzzles.push_back(grid);
    }
    return puzzles;
}

bool solves(const BenchGrid& puzzle, const int* answer) {
    if (!plain::isValidCompleteGrid(answer)) return false;
    for (size_t cell = 0; cell < 81; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != answer[cell]) return false;
    return true;
}
