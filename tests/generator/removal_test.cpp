// Clue removal: the candidate ratio, the difficulty verdict, and hideBlocks on a fixed
// complete grid with scripted and seeded random values. Every thinned grid is checked with
// the independent counter: the cells still filled hold the entry grid's digits, and the
// puzzle has exactly one solution, whether the call succeeded or not.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "board/board.h"
#include "generator/generator.h"
#include "puzzle_checks.h"
#include "scripted_random.h"
#include "support/counter.h"

namespace {

struct RatioCase {
    int candidateSum, emptiedCells, expected;
    const char* why;
};

// Where single precision differs from exact or double arithmetic, the expected value is
// the single-precision one.
const RatioCase ratioCases[] = {
    {1, 1, 100, "one emptied cell with one candidate"},
    {210, 50, 419, "4.2 is just below 4.2 in single precision: 419, not 420"},
    {23, 5, 460, "the product rounds up to 460 in single precision (459 in double)"},
    {29, 25, 116, "116 in single precision (115 in double)"},
    {59, 25, 235, "235 in single precision (236 exactly)"},
    {7, 3, 233, "truncated, not rounded"},
    {729, 81, 900, "nine candidates in every cell"},
    {100, 81, 123, "1.2345... per cell"},
};

TEST(CandidateRatio, IsComputedInSinglePrecisionAndTruncated) {
    for (const RatioCase& c : ratioCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(candidateRatio(c.candidateSum, c.emptiedCells), c.expected);
    }
}

struct VerdictCase {
    int ratio, numberToHide;
    DifficultyVerdict expected;
    const char* why;
};

const VerdictCase verdictCases[] = {
    {320, 320, targetMet, "d = 0"},
    {329, 320, targetMet, "d = 9 ends the call"},
    {311, 320, targetMet, "d = -9 ends the call"},
    {330, 320, keepRemoving, "d = 10 lets removal go on"},
    {331, 320, overshot, "d = 11 fails the attempt"},
    {310, 320, keepRemoving, "d = -10 lets removal go on"},
    {100, 450, keepRemoving, "far below"},
    {900, 110, overshot, "far above"},
    {100, 101, targetMet, "the first removal meets 101"},
    {100, 109, targetMet, "the first removal meets 109"},
    {100, 110, keepRemoving, "the first removal does not meet 110"},
    {100, INT_MAX, keepRemoving, "the largest target"},
};

TEST(JudgeDifficulty, TestsTheDistanceInOrder) {
    for (const VerdictCase& c : verdictCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(judgeDifficulty(c.ratio, c.numberToHide), c.expected);
    }
}

// A complete grid, the solution of `nonet -s 1`.
const char* const entryText =
    "713948265289765431645132897568213749421697358397854126874526913136479582952381674";

// Values that the generator took, recorded; glibc random() behind them.
std::vector<long> valuesSeen;
std::vector<int> guessesSeen;  // board.guesses at each draw
long recordedRandom() {
    const long value = random();
    valuesSeen.push_back(value);
    guessesSeen.push_back(board.guesses);
    return value;
}

class Removal : public ScriptedRandomTest {
   protected:
    const Grid entry = gridFromText(entryText);

    void SetUp() override {
        ScriptedRandomTest::SetUp();
        valuesSeen.clear();
        guessesSeen.clear();
        loadEntryGrid();
    }

    void loadEntryGrid() {
        for (int cell = 0; cell < cellCount; ++cell)
            board.arrayFields[cell] = entry[static_cast<size_t>(cell)];
    }

    // After `values`, seeded glibc random() values, recorded.
    static void useSeeded(unsigned seed, std::vector<long> values = {}) {
        srandom(seed);
        useScript(std::move(values), recordedRandom);
    }

    static Grid working() {
        Grid grid{};
        for (int cell = 0; cell < cellCount; ++cell)
            grid[static_cast<size_t>(cell)] = board.arrayFields[cell];
        return grid;
    }

    // Whatever the outcome: only entry digits and zeros, and exactly one solution.
    void expectSoundThinning() const {
        const Grid grid = working();
        EXPECT_TRUE(agreesWithGivens(grid, entry)) << "a filled cell differs from the entry grid";
        for (int value : grid) ASSERT_TRUE(value >= 0 && value <= 9);
        EXPECT_EQ(countSolutions(grid, 2), 1);
    }

    static std::set<int> cellsDrawn() {
        std::set<int> cells;
        for (long value : valuesSeen)
            if (value / cellDivisor < 81) cells.insert(static_cast<int>(value / cellDivisor));
        return cells;
    }
};

TEST_F(Removal, TheFirstRemovalStandsAndEndsSmallTargets) {
    // Counts of 1 or less, and difficulties 101..109 (the first removal gives ratio 100),
    // end after one removal, which is always accepted.
    const int targets[] = {1, 0, -1, -1000, INT_MIN, 101, 105, 109};
    for (int target : targets) {
        for (int cell = 0; cell < cellCount; ++cell) {
            SCOPED_TRACE(testing::Message() << "numberToHide " << target << ", cell " << cell);
            loadEntryGrid();
            useScript({valueForCell(cell)});
            ASSERT_EQ(hideBlocks(target, 0), 1);
            EXPECT_EQ(valuesTaken(), 1u);
            Grid expected = entry;
            expected[static_cast<size_t>(cell)] = 0;
            ASSERT_EQ(working(), expected);
        }
    }
}

TEST_F(Removal, DifficultyOneHundredTenGoesOnAfterTheFirstRemoval) {
    // Cells 0 and 40 share no unit: after both, the ratio is still 100, so removal goes on.
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        loadEntryGrid();
        useSeeded(seed, {valueForCell(0), valueForCell(40)});
        const int result = hideBlocks(110, 0);
        EXPECT_GE(emptyCellCount(working()), 3);
        if (result == 1) {
            EXPECT_LE(std::abs(ratioFromGivens(working()) - 110), 9);
        }
        expectSoundThinning();
    }
}

TEST_F(Removal, CountModeEmptiesExactlyTheCount) {
    const int counts[] = {2, 30, 45};
    for (int count : counts) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(testing::Message() << "count " << count << ", seed " << seed);
            loadEntryGrid();
            useSeeded(seed);
            ASSERT_EQ(hideBlocks(count, 0), 1);
            EXPECT_EQ(emptyCellCount(working()), count);
            expectSoundThinning();
        }
    }
}

TEST_F(Removal, ACountAboveWhatTheGridAllowsTriesAllCellsAndFails) {
    // 100 is a count, not a difficulty; 82 exceeds the grid; 81 cannot be unique.
    const int counts[] = {100, 82, 81};
    for (int count : counts) {
        SCOPED_TRACE(count);
        loadEntryGrid();
        useSeeded(7);
        EXPECT_EQ(hideBlocks(count, 0), 0);
        EXPECT_EQ(cellsDrawn().size(), 81u);
        EXPECT_LT(emptyCellCount(working()), 65);
        expectSoundThinning();
    }
}

TEST_F(Removal, DifficultyModeMeetsTheTargetWithinNineOrFails) {
    const int targets[] = {150, 250, 320, 400};
    int met = 0;
    for (int target : targets) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "target " << target << ", seed " << seed);
            loadEntryGrid();
            useSeeded(seed);
            const int result = hideBlocks(target, 0);
            const int ratio = ratioFromGivens(working());
            if (result == 1) {
                ++met;
                EXPECT_LE(std::abs(ratio - target), 9);
                // The last update came after the last removal: the lists describe the puzzle.
                int sum = 0;
                for (int n : board.availablesCount) sum += n;
                EXPECT_EQ(candidateRatio(sum, emptyCellCount(working())), ratio);
            } else {
                // Overshot by 11 or more, or every cell tried while below or exactly 10 above.
                EXPECT_TRUE(ratio < target - 9 || ratio > target + 9) << "ratio " << ratio;
            }
            expectSoundThinning();
        }
    }
    EXPECT_GT(met, 0);
}

TEST_F(Removal, TheBranchingTestWantsMoreThanNBranchings) {
    const BoardState start = board;  // the entry grid and the candidate lists' order
    const unsigned seed = 3;
    const int count = 50;
    auto attempt = [&](int numberOfGuesses) {
        board = start;
        useSeeded(seed);
        return hideBlocks(count, numberOfGuesses);
    };
    ASSERT_EQ(attempt(0), 1);
    const int branchings = board.guesses;
    const Grid puzzle = working();
    ASSERT_GE(branchings, 2) << "pick a seed whose thinning branches at least twice";
    // Branchings of every uniqueness test count, so the total only grows during the call.
    for (size_t k = 1; k < guessesSeen.size(); ++k) ASSERT_LE(guessesSeen[k - 1], guessesSeen[k]);

    struct {
        int numberOfGuesses, expected;
    } const cases[] = {
        {branchings - 1, 1}, {branchings, 0}, {branchings + 1, 0}, {1, 1}, {-1, 1}, {INT_MIN, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "numberOfGuesses " << c.numberOfGuesses << " of " << branchings);
        EXPECT_EQ(attempt(c.numberOfGuesses), c.expected);
        EXPECT_EQ(board.guesses, branchings);
        EXPECT_EQ(working(), puzzle);  // the test comes after the thinning and changes nothing
    }
}

TEST_F(Removal, BranchingsAreCountedFromZeroAtEachCall) {
    // One empty cell never needs a branching: left over from before, 1000 would pass -g 5.
    board.guesses = 1000;
    useScript({valueForCell(17)});
    EXPECT_EQ(hideBlocks(1, 5), 0);
    EXPECT_EQ(board.guesses, 0);

    loadEntryGrid();
    board.guesses = 1000;
    useScript({valueForCell(17)});
    EXPECT_EQ(hideBlocks(1, 0), 1);
    EXPECT_EQ(board.guesses, 0);
}

}  // namespace
