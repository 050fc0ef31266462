// The search held to the plain oracle on every puzzle of every public list, and on a long
// run of the clue remover's workload. Minutes of work: labelled slow, run with `ctest -L slow`.
// The default run compares a sample of the same lists (equivalence_test.cpp).
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "board/board.h"
#include "oracle/oracle_checks.h"
#include "oracle/plain_board.h"
#include "support/puzzle_lists.h"

namespace {

struct WholeList {
    const char* name;
    const char* file;
};

void PrintTo(const WholeList& list, std::ostream* out) { *out << list.file; }

class OracleWholeList : public ::testing::TestWithParam<WholeList> {
   protected:
    void SetUp() override {
        std::memset(&board, 0, sizeof board);
        std::memset(&plainState, 0, sizeof plainState);
    }
    BoardState plainState;
};

TEST_P(OracleWholeList, SolvePuzzleAgreesOnEveryPuzzle) {
    const std::vector<std::string> puzzles = loadPuzzleList(GetParam().file);
    ASSERT_FALSE(puzzles.empty()) << "list not found: " << GetParam().file;
    for (size_t p = 0; p < puzzles.size(); ++p) {
        for (int cell = 0; cell < cellCount; ++cell)
            board.arrayFields[cell] = puzzles[p][static_cast<size_t>(cell)] - '0';
        oracle::solveBothAndCompare(plainState);
        ASSERT_FALSE(HasFailure()) << "puzzle " << p << " of " << GetParam().file;
    }
}

const WholeList wholeLists[] = {
    {"top95", "top95.txt"},   {"top1465", "top1465.txt"},       {"hardest1106", "hardest1106.txt"},
    {"clue17", "17clue.txt"}, {"serg_multi", "serg_multi.txt"},
};
INSTANTIATE_TEST_SUITE_P(Every, OracleWholeList, ::testing::ValuesIn(wholeLists),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(OracleWholeRun, SolvePuzzleUnderALongClueRemoverWorkload) {
    std::memset(&board, 0, sizeof board);
    std::mt19937 rng(7177);
    oracle::removalWalk(rng, 400);
}

}  // namespace
