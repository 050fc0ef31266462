#include "support/puzzle_lists.h"

#include <fstream>

std::vector<std::string> loadPuzzleList(const std::string& name, size_t stride) {
    std::vector<std::string> puzzles;
    std::ifstream in(std::string(NONET_DATA_DIR) + "/" + name);
    std::string line;
    for (size_t index = 0; std::getline(in, line); ++index) {
        if (line.size() < 81 || index % (stride == 0 ? 1 : stride) != 0) continue;
        line.resize(81);
        for (char& c : line)
            if (c == '.') c = '0';
        puzzles.push_back(line);
    }
    return puzzles;
}
