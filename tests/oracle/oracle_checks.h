// Helpers that hold the real board functions to the plain oracle: comparisons of the two
// board states, random complete grids, and a search run on both from the same state.
//
// What must agree. The real code works on the global `board`, the oracle on its own
// BoardState; both start from a byte-for-byte copy. Afterwards everything nonet can observe
// must be equal: results, grids, `guesses`, every count, and the first count entries of
// every list in order (they decide which digit a draw yields and which branch goes first).
// Slots past the count are not observable and may differ. Right after a single update the
// slots of filled cells must also be untouched on both sides: the search reads the entries
// of its branching cell while that cell is filled.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

#include "board/board.h"
#include "oracle/plain_board.h"
#include "solver/solver.h"
#include "support/counter.h"

namespace oracle {

/// Makes `plainState` a byte-for-byte copy of the real board, stale slots included.
inline void mirrorRealBoard(BoardState& plainState) { std::memcpy(&plainState, &board, sizeof board); }

/// The grid as 81 characters ('0' empty, '?' a value outside 0..9), for failure messages.
inline std::string gridText(const int* grid) {
    std::string text;
    for (int cell = 0; cell < cellCount; ++cell)
        text += grid[cell] >= 0 && grid[cell] <= 9 ? static_cast<char>('0' + grid[cell]) : '?';
    return text;
}

inline std::string listText(const int* list, int count) {
    std::ostringstream out;
    out << "count " << count << " [";
    for (int k = 0; k < count && k < slotCount; ++k) out << (k ? "," : "") << list[k];
    out << "]";
    return out.str();
}

inline ::testing::AssertionResult sameGrid(const char* what, const int* real, const int* plain) {
    for (int cell = 0; cell < cellCount; ++cell)
        if (real[cell] != plain[cell])
            return ::testing::AssertionFailure()
                   << what << " differs first at cell " << cell << ": real " << real[cell] << ", oracle "
                   << plain[cell] << "\n  real   " << gridText(real) << "\n  oracle " << gridText(plain);
    return ::testing::AssertionSuccess();
}

/// Every count, and the first count entries of every list, in order.
inline ::testing::AssertionResult sameLists(const BoardState& real, const BoardState& plain) {
    for (int cell = 0; cell < cellCount; ++cell) {
        const int count = real.availablesCount[cell];
        const bool same =
            count == plain.availablesCount[cell] && count >= 0 && count <= slotCount &&
            std::equal(real.availables[cell], real.availables[cell] + count, plain.availables[cell]);
        if (!same)
            return ::testing::AssertionFailure()
                   << "candidate list of cell " << cell << ": real " << listText(real.availables[cell], count)
                   << ", oracle " << listText(plain.availables[cell], plain.availablesCount[cell])
                   << "\n  grid " << gridText(real.arrayFields);
    }
    return ::testing::AssertionSuccess();
}

/// All nine slots of every filled cell (an update must leave them as they were).
inline ::testing::AssertionResult sameFilledSlots(const BoardState& real, const BoardState& plain) {
    for (int cell = 0; cell < cellCount; ++cell) {
        if (real.arrayFields[cell] == 0) continue;
        if (!std::equal(real.availables[cell], real.availables[cell] + slotCount, plain.availables[cell]))
            return ::testing::AssertionFailure() << "slots of filled cell " << cell << " were touched: real "
                                                 << listText(real.availables[cell], slotCount) << ", oracle "
                                                 << listText(plain.availables[cell], slotCount);
    }
    return ::testing::AssertionSuccess();
}

/// A uniformly relabelled and shuffled complete grid: digits, rows within bands, bands,
/// columns within stacks, stacks, and a transpose, all drawn from `rng`.
inline Grid randomCompleteGrid(std::mt19937& rng) {
    int digits[9], rows[9], columns[9];
    std::iota(digits, digits + 9, 1);
    std::shuffle(digits, digits + 9, rng);
    auto shuffleLines = [&rng](int* lines) {
        int groups[3] = {0, 1, 2};
        std::shuffle(groups, groups + 3, rng);
        for (int g = 0; g < 3; ++g) {
            int within[3] = {0, 1, 2};
            std::shuffle(within, within + 3, rng);
            for (int k = 0; k < 3; ++k) lines[g * 3 + k] = groups[g] * 3 + within[k];
        }
    };
    shuffleLines(rows);
    shuffleLines(columns);
    const bool transpose = rng() % 2 == 1;
    Grid grid{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const int pattern = (rows[r] * 3 + rows[r] / 3 + columns[c]) % 9;  // a banded valid grid
            const int cell = transpose ? c * 9 + r : r * 9 + c;
            grid[static_cast<size_t>(cell)] = digits[pattern];
        }
    return grid;
}

/// Solves the board now in arrayFields with the real search and with the oracle on a copy
/// of the same state, and compares everything observable. Returns the oracle's result.
/// Any answer other than 0 must also be a valid grid that keeps the givens.
inline int solveBothAndCompare(BoardState& plainState) {
    mirrorRealBoard(plainState);
    Grid puzzle;
    std::copy(board.arrayFields, board.arrayFields + cellCount, puzzle.begin());
    int realResult[cellCount], plainResult[cellCount];
    std::fill(realResult, realResult + cellCount, -7);  // shows whether a result grid was written
    std::fill(plainResult, plainResult + cellCount, -7);
    const int realAnswer = solvePuzzle(realResult, 0);
    const int plainAnswer = plain::solvePuzzle(plainState, plainResult, 0);
    SCOPED_TRACE("puzzle " + gridText(puzzle.data()));
    EXPECT_EQ(realAnswer, plainAnswer);
    EXPECT_TRUE(sameGrid("result grid", realResult, plainResult));
    EXPECT_TRUE(sameGrid("arrayFields", board.arrayFields, plainState.arrayFields));
    EXPECT_EQ(board.guesses, plainState.guesses);
    EXPECT_TRUE(sameLists(board, plainState));
    if (plainAnswer != 0) {
        Grid answer;
        std::copy(plainResult, plainResult + cellCount, answer.begin());
        EXPECT_TRUE(isValidSolution(answer) && agreesWithGivens(puzzle, answer))
            << "the oracle answered " << plainAnswer << " with " << gridText(plainResult);
    }
    return plainAnswer;
}

/// Solve results tallied by verdict, for a trace of what a run covered.
struct Verdicts {
    int none = 0, one = 0, several = 0;
    void add(int answer) { (answer > 0 ? one : answer < 0 ? several : none) += 1; }
};

/// The clue remover's workload on `grids` random complete grids: cells are emptied in a
/// random order, each removal is tested by a search on both sides, and only arrayFields is
/// restored afterwards (the digit is put back unless the answer was 1), so the lists carry
/// over from test to test as they do in a generate run. Once per grid a given is also
/// replaced by a wrong value, which the search must refuse or solve alike on both sides.
inline Verdicts removalWalk(std::mt19937& rng, int grids) {
    static BoardState plainState;
    Verdicts verdicts;
    for (int g = 0; g < grids; ++g) {
        const Grid full = randomCompleteGrid(rng);
        std::copy(full.begin(), full.end(), board.arrayFields);
        std::array<int, cellCount> order;
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        const size_t corruptAt = rng() % cellCount;
        for (size_t k = 0; k < order.size(); ++k) {
            const int cell = order[k];
            int snapshot[cellCount];
            board.arrayFields[cell] = 0;
            std::memcpy(snapshot, board.arrayFields, sizeof snapshot);
            if (k == corruptAt) {
                const int given = static_cast<int>(rng() % cellCount);
                const int wrongValues[] = {1, 5, 9, -2, -3, 12};
                if (board.arrayFields[given] != 0) board.arrayFields[given] = wrongValues[rng() % 6];
                verdicts.add(solveBothAndCompare(plainState));
                std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
            }
            const int answer = solveBothAndCompare(plainState);
            verdicts.add(answer);
            if (answer <= 0) snapshot[cell] = full[static_cast<size_t>(cell)];
            std::memcpy(board.arrayFields, snapshot, sizeof snapshot);
            if (::testing::Test::HasFailure()) return verdicts;  // one board's report is enough
        }
    }
    return verdicts;
}

}  // namespace oracle
