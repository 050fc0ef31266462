// The real candidate upkeep, unit searches, deductions and search held to the plain oracle
// (plain_board.h) on boards reached by random edits, on boards in the middle of a solve,
// on samples of the public puzzle lists and on the clue remover's workload. Both sides
// always start from the same bytes; see oracle_checks.h for what must then agree.
// Every puzzle of every list is compared in whole_lists_test.cpp (label slow).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "board/board.h"
#include "oracle/oracle_checks.h"
#include "oracle/plain_board.h"
#include "solver/solver.h"
#include "support/puzzle_lists.h"

namespace {

using oracle::mirrorRealBoard;
using oracle::sameFilledSlots;
using oracle::sameGrid;
using oracle::sameLists;

constexpr int unitBlockStarts[9] = {0, 3, 6, 27, 30, 33, 54, 57, 60};

// Every unit search, for every unit and the digits 0..9, on both sides.
::testing::AssertionResult sameUnitSearches(const BoardState& plainState) {
    for (int unit = 0; unit < 9; ++unit)
        for (int digit = 0; digit <= 9; ++digit) {
            const int real[3] = {checkUniquesInRow(unit * 9, digit), checkUniquesInCol(unit, digit),
                                 checkUniquesInBlock(unitBlockStarts[unit], digit)};
            const int plain[3] = {plain::checkUniquesInRow(plainState, unit * 9, digit),
                                  plain::checkUniquesInCol(plainState, unit, digit),
                                  plain::checkUniquesInBlock(plainState, unitBlockStarts[unit], digit)};
            const char* kinds[3] = {"row", "column", "block"};
            for (int k = 0; k < 3; ++k)
                if (real[k] != plain[k])
                    return ::testing::AssertionFailure()
                           << kinds[k] << " search, unit " << unit << ", digit " << digit << ": real "
                           << real[k] << ", oracle " << plain[k];
        }
    return ::testing::AssertionSuccess();
}

class OracleEquivalence : public ::testing::Test {
   protected:
    void SetUp() override {
        std::memset(&board, 0, sizeof board);
        std::memset(&plainState, 0, sizeof plainState);
    }

    int randomBelow(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // A random cell that is empty (or filled), or -1 when there is none.
    int randomCell(bool empty) {
        std::vector<int> cells;
        for (int cell = 0; cell < cellCount; ++cell)
            if ((board.arrayFields[cell] == 0) == empty) cells.push_back(cell);
        return cells.empty() ? -1 : cells[static_cast<size_t>(randomBelow(static_cast<int>(cells.size())))];
    }

    // Lists in any order a long run can leave, stale slots holding any digits.
    void scrambleLists() {
        for (int cell = 0; cell < cellCount; ++cell) {
            int* list = board.availables[cell];
            for (int k = 0; k < slotCount; ++k) list[k] = k + 1;
            std::shuffle(list, list + slotCount, rng);
            board.availablesCount[cell] = randomBelow(slotCount + 1);
            for (int k = board.availablesCount[cell]; k < slotCount; ++k) list[k] = 1 + randomBelow(9);
        }
    }

    // One edit of the real board as the tool's callers make them: a placement from the
    // cell's list, any digit (breaking the rules at times), an emptied cell, a cell that
    // the naked-singles sweep filled and a restore emptied again (count 0, slots kept),
    // and now and then a value outside 0..9 such as a command-line puzzle can hold.
    void randomEdit(double placeShare) {
        const double roll = std::uniform_real_distribution<double>(0.0, 1.0)(rng);
        if (roll < 0.03) {
            const int odd[] = {-1, -2, -3, -5, -9, 10, 12, 49, -10};
            board.arrayFields[randomBelow(cellCount)] = odd[randomBelow(9)];
            return;
        }
        const int empty = randomCell(true);
        if (roll < 0.06) {
            if (empty >= 0) board.availablesCount[empty] = 0;
            return;
        }
        if (roll < placeShare && empty >= 0) {
            const int count = board.availablesCount[empty];
            board.arrayFields[empty] = count > 0 && randomBelow(5) != 0
                                           ? board.availables[empty][randomBelow(count)]
                                           : 1 + randomBelow(9);
            return;
        }
        const int filled = randomCell(false);
        if (filled >= 0) board.arrayFields[filled] = 0;
    }

    BoardState plainState;
    std::mt19937 rng{20240917};
};

TEST_F(OracleEquivalence, UpdateAvailablesAndUnitSearchesAfterRandomEdits) {
    const double placeShares[] = {0.35, 0.55, 0.75, 0.95};
    for (int walk = 0; walk < 80; ++walk) {
        scrambleLists();
        std::memset(board.arrayFields, 0, sizeof board.arrayFields);
        if (walk % 3 == 1) {  // a complete grid with a random part emptied
            const Grid full = oracle::randomCompleteGrid(rng);
            std::copy(full.begin(), full.end(), board.arrayFields);
            for (int k = randomBelow(70); k >= 0; --k) board.arrayFields[randomBelow(cellCount)] = 0;
        }
        const double placeShare = placeShares[walk % 4];
        for (int step = 0; step < 60; ++step) {
            const int roll = randomBelow(10);
            const int edits = roll == 0 ? 0 : roll == 1 ? 10 + randomBelow(20) : 1 + randomBelow(4);
            for (int e = 0; e < edits; ++e) randomEdit(placeShare);
            mirrorRealBoard(plainState);
            const int realAnswer = updateAvailables();
            const int plainAnswer = plain::updateAvailables(plainState);
            const std::string where = "walk " + std::to_string(walk) + ", step " + std::to_string(step);
            ASSERT_EQ(realAnswer, plainAnswer) << where << "\n  grid " << oracle::gridText(board.arrayFields);
            ASSERT_TRUE(sameLists(board, plainState)) << where;
            ASSERT_TRUE(sameFilledSlots(board, plainState)) << where;
            ASSERT_TRUE(sameUnitSearches(plainState)) << where;
        }
    }
}

// Boards in the middle of a solve, the wrong branches included: naked and hidden singles,
// guesses of a listed digit (right or wrong), and restores of arrayFields alone, in a
// random order, with the lists carried over as the search carries them.
TEST_F(OracleEquivalence, DeductionsOnBoardsMidSolve) {
    std::vector<std::string> puzzles = loadPuzzleList("top95.txt", 5);
    ASSERT_FALSE(puzzles.empty());
    for (int k = 0; k < 20; ++k) {
        const Grid full = oracle::randomCompleteGrid(rng);
        std::string text;
        for (int value : full) text += static_cast<char>(randomBelow(100) < 55 ? '0' : '0' + value);
        puzzles.push_back(text);
    }
    for (size_t p = 0; p < puzzles.size(); ++p) {
        for (int cell = 0; cell < cellCount; ++cell)
            board.arrayFields[cell] = puzzles[p][static_cast<size_t>(cell)] - '0';
        updateAvailables();
        int snapshot[cellCount];
        std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
        for (int step = 0; step < 40; ++step) {
            const std::string where = "board " + std::to_string(p) + ", step " + std::to_string(step);
            const int op = randomBelow(6);
            if (op == 4) {  // a guess: entry 0 or 1 of the lowest two-candidate cell, else any entry
                int cell = -1;
                for (int c = 0; c < cellCount && cell < 0; ++c)
                    if (board.arrayFields[c] == 0 && board.availablesCount[c] == 2) cell = c;
                if (cell < 0) cell = randomCell(true);
                std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
                if (cell >= 0 && board.availablesCount[cell] > 0)
                    board.arrayFields[cell] =
                        board.availables[cell][randomBelow(board.availablesCount[cell])];
            } else if (op == 5) {
                std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
            }
            mirrorRealBoard(plainState);
            int realAnswer = 0, plainAnswer = 0;
            if (op <= 1) {
                realAnswer = solveOnes();
                plainAnswer = plain::solveOnes(plainState);
            } else if (op <= 3) {
                realAnswer = solveUniques();
                plainAnswer = plain::solveUniques(plainState);
            } else {
                realAnswer = updateAvailables();
                plainAnswer = plain::updateAvailables(plainState);
            }
            ASSERT_EQ(realAnswer, plainAnswer) << where << ", operation " << op;
            ASSERT_TRUE(sameGrid("arrayFields", board.arrayFields, plainState.arrayFields)) << where;
            ASSERT_TRUE(sameLists(board, plainState)) << where;
        }
    }
}

struct ListSample {
    const char* name;
    const char* file;
    size_t stride;
};

void PrintTo(const ListSample& list, std::ostream* out) { *out << list.file; }

class OracleSolveSample : public OracleEquivalence, public ::testing::WithParamInterface<ListSample> {};

// The lists carry over from puzzle to puzzle, so later puzzles start from lists in the
// orders that earlier searches left.
TEST_P(OracleSolveSample, SolvePuzzleAgrees) {
    const std::vector<std::string> puzzles = loadPuzzleList(GetParam().file, GetParam().stride);
    ASSERT_FALSE(puzzles.empty()) << "list not found: " << GetParam().file;
    oracle::Verdicts verdicts;
    for (const std::string& puzzle : puzzles) {
        for (int cell = 0; cell < cellCount; ++cell)
            board.arrayFields[cell] = puzzle[static_cast<size_t>(cell)] - '0';
        verdicts.add(oracle::solveBothAndCompare(plainState));
        if (HasFailure()) break;
    }
    RecordProperty("verdicts", std::to_string(verdicts.one) + " one, " + std::to_string(verdicts.several) +
                                   " several, " + std::to_string(verdicts.none) + " none");
}

// Every 20th puzzle, every 100th of the 49,158 17-clue puzzles: the default run stays short.
const ListSample listSamples[] = {
    {"top95", "top95.txt", 1},
    {"top1465", "top1465.txt", 20},
    {"hardest1106", "hardest1106.txt", 20},
    {"clue17", "17clue.txt", 100},
    {"serg_multi", "serg_multi.txt", 20},
};
INSTANTIATE_TEST_SUITE_P(Sampled, OracleSolveSample, ::testing::ValuesIn(listSamples),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(OracleEquivalence, SolvePuzzleUnderTheClueRemoversWorkload) {
    const oracle::Verdicts verdicts = oracle::removalWalk(rng, 12);
    // The walk must reach all three verdicts, or it no longer tests what it claims to.
    EXPECT_GT(verdicts.one, 0);
    EXPECT_GT(verdicts.several, 0);
    EXPECT_GT(verdicts.none, 0);
}

}  // namespace
