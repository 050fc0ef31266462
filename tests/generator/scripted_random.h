// A scripted stand-in for random() and the fixture that installs it. The generator takes
// every random value through randomSource; a test points it at scriptedRandom, which hands
// out a table of values in order and counts them, and puts random back afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "board/board.h"
#include "generator/generator.h"

constexpr long randomMaximum = 2147483647;
constexpr long cellDivisor = 26512143;  // randomMaximum / 81: each cell owns this many values

/// The value that the cell draw turns into `cell` (its lowest one).
constexpr long valueForCell(int cell) { return cell * cellDivisor; }

struct RandomScript {
    std::vector<long> values;  // handed out first, in order
    long (*then)() = nullptr;  // what follows them; nullptr: running out is a test failure
    size_t calls = 0;          // values handed out so far, script and `then` together
};
inline RandomScript randomScript;

inline long scriptedRandom() {
    RandomScript& s = randomScript;
    const size_t k = s.calls++;
    if (k < s.values.size()) return s.values[k];
    if (s.then != nullptr) return s.then();
    if (k == s.values.size()) ADD_FAILURE() << "the random script ran out after " << k << " values";
    // Every cell in turn, so that even a cell draw comes to an end; each of these values is
    // also a valid position for every list length.
    return valueForCell(static_cast<int>((k - s.values.size()) % 81));
}

/// Resets the board to all zero and installs scriptedRandom with an empty script.
class ScriptedRandomTest : public ::testing::Test {
   protected:
    void SetUp() override {
        std::memset(&board, 0, sizeof board);
        useScript({});
    }
    void TearDown() override { randomSource = random; }

    /// From now on the generator receives `values`, then whatever `then` yields.
    static void useScript(std::vector<long> values, long (*then)() = nullptr) {
        randomScript = RandomScript{std::move(values), then, 0};
        randomSource = scriptedRandom;
    }
    static size_t valuesTaken() { return randomScript.calls; }
};
