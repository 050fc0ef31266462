// The full-grid filler: which entry each value takes, how many values a fill takes, and the
// row restarts with their limit of 15 per call.
//
// Dead ends are produced by a planned fill: a random source that looks at the cell being
// filled (the first empty cell) and returns the value that selects the next planned digit
// in that cell's list. It fails the test when it is asked for a value at a cell without
// candidates, and when the filler asks for more or fewer values than planned.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "board/board.h"
#include "generator/generator.h"
#include "scripted_random.h"
#include "support/counter.h"

namespace {

using Row = std::array<int, 9>;

// A complete grid, and two rows that run into a dead end under it.
const Row patternRows[9] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 8, 9, 1, 2, 3}, {7, 8, 9, 1, 2, 3, 4, 5, 6},
    {2, 3, 1, 5, 6, 4, 8, 9, 7}, {5, 6, 4, 8, 9, 7, 2, 3, 1}, {8, 9, 7, 2, 3, 1, 5, 6, 4},
    {3, 1, 2, 6, 4, 5, 9, 7, 8}, {6, 4, 5, 9, 7, 8, 3, 1, 2}, {9, 7, 8, 3, 1, 2, 6, 4, 5},
};
// Below row 0 of the pattern: cell 15 (row 1, column 6) is left with no candidate.
const std::vector<int> deadRow1 = {4, 5, 6, 1, 2, 3};
// Below rows 0..6 of the pattern: cell 69 (row 7, column 6) is left with no candidate.
const std::vector<int> deadRow7 = {6, 4, 5, 3, 7, 8};
// Five rows under which cell 45, the first cell of row 5, has no candidate: column 0 and
// block 3 hold all nine digits, so emptying row 5 again changes nothing.
const Row blockedRows[5] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 5, 6, 7, 8, 9, 1, 2, 3}, {7, 8, 9, 1, 2, 3, 4, 5, 6},
    {2, 3, 5, 6, 7, 8, 9, 1, 4}, {9, 6, 8, 2, 1, 4, 3, 7, 5},
};

int currentCell() {
    for (int cell = 0; cell < cellCount; ++cell)
        if (board.arrayFields[cell] == 0) return cell;
    return -1;
}

// The planned fill (see the top of the file).
struct FillPlan {
    std::vector<int> digits;
    size_t next = 0;
};
FillPlan fillPlan;

long plannedRandom() {
    const int cell = currentCell();
    if (cell < 0 || board.availablesCount[cell] == 0) {
        ADD_FAILURE() << "a value was drawn at cell " << cell << ", which has no candidate";
        return 0;
    }
    if (fillPlan.next >= fillPlan.digits.size()) {
        ADD_FAILURE() << "the filler drew more values than planned, at cell " << cell;
        return 0;
    }
    const int digit = fillPlan.digits[fillPlan.next++];
    const int n = board.availablesCount[cell];
    for (int position = 0; position < n; ++position)
        if (board.availables[cell][position] == digit) return position * (randomMaximum / n);
    ADD_FAILURE() << "planned digit " << digit << " is not a candidate of cell " << cell;
    return 0;
}

// One record per value the filler takes, made at the moment it takes it.
struct DrawSeen {
    int cell;        // the cell being filled
    int count;       // its number of candidates
    int firstEntry;  // entry 0 of its list
};
std::vector<DrawSeen> drawsSeen;

long recordedZero() {
    const int cell = currentCell();
    if (cell < 0) {
        ADD_FAILURE() << "a value was drawn on a full grid";
        return 0;
    }
    drawsSeen.push_back({cell, board.availablesCount[cell], board.availables[cell][0]});
    return 0;
}

// 2147483647 and 0 in turn.
size_t topValuesGiven = 0;
long topValueThenZero() {
    if (topValuesGiven == drawsSeen.size()) {
        ++topValuesGiven;
        return randomMaximum;
    }
    return recordedZero();
}

class Filler : public ScriptedRandomTest {
   protected:
    void SetUp() override {
        ScriptedRandomTest::SetUp();
        drawsSeen.clear();
        fillPlan = FillPlan{};
        topValuesGiven = 0;
    }

    static Grid workingGrid() {
        Grid grid{};
        for (int cell = 0; cell < cellCount; ++cell)
            grid[static_cast<size_t>(cell)] = board.arrayFields[cell];
        return grid;
    }
};

std::vector<int> plan(std::initializer_list<std::vector<int>> pieces) {
    std::vector<int> digits;
    for (const std::vector<int>& piece : pieces) digits.insert(digits.end(), piece.begin(), piece.end());
    return digits;
}

std::vector<int> repeated(const std::vector<int>& piece, int times) {
    std::vector<int> digits;
    for (int k = 0; k < times; ++k) digits.insert(digits.end(), piece.begin(), piece.end());
    return digits;
}

template <size_t N>
std::vector<int> rowsOf(const Row (&rows)[N], size_t first, size_t last) {
    std::vector<int> digits;
    for (size_t r = first; r <= last; ++r) digits.insert(digits.end(), rows[r].begin(), rows[r].end());
    return digits;
}

// The first `rows` rows of `source`, every other cell 0.
template <size_t N>
Grid topRows(const Row (&source)[N], size_t rows) {
    Grid grid{};
    for (size_t r = 0; r < rows; ++r)
        for (size_t c = 0; c < 9; ++c) grid[r * 9 + c] = source[r][c];
    return grid;
}

TEST_F(Filler, TheWholePatternGridIsValid) { EXPECT_TRUE(isValidSolution(topRows(patternRows, 9))); }

// A complete grid unlike the pattern (rows of digits).
const char* const otherGrid =
    "713948265289765431645132897568213749421697358397854126874526913136479582952381674";

// Gives every cell a full list that starts with `grid`'s digit there, the other digits
// following in descending order. Lists carry over into createGrid, which only removes
// digits as peers are filled, so each cell's entry 0 is then the grid's digit.
void putFirst(const Grid& grid) {
    for (int cell = 0; cell < cellCount; ++cell) {
        const int first = grid[static_cast<size_t>(cell)];
        int* list = board.availables[cell];
        int count = 0;
        list[count++] = first;
        for (int digit = 9; digit >= 1; --digit)
            if (digit != first) list[count++] = digit;
        board.availablesCount[cell] = count;
    }
}

TEST_F(Filler, AValueOfZeroTakesEntryZeroEveryTime) {
    const Grid expected = gridFromText(otherGrid);
    ASSERT_TRUE(isValidSolution(expected));
    putFirst(expected);
    randomSource = recordedZero;
    ASSERT_EQ(createGrid(), 1);
    EXPECT_EQ(workingGrid(), expected);
    // One value per cell, in cell order, each placing entry 0 of the list as it stood.
    ASSERT_EQ(drawsSeen.size(), 81u);
    for (int cell = 0; cell < cellCount; ++cell) {
        SCOPED_TRACE(cell);
        const DrawSeen& draw = drawsSeen[static_cast<size_t>(cell)];
        EXPECT_EQ(draw.cell, cell);
        EXPECT_EQ(draw.firstEntry, expected[static_cast<size_t>(cell)]);
        // The last cell of a row has one candidate left: it still takes a value.
        if (columnOf(cell) == 8) {
            EXPECT_EQ(draw.count, 1);
        }
    }
}

TEST_F(Filler, ZerosFromFreshListsFailInRowOne) {
    // Fresh lists are ascending, so entry 0 is the lowest candidate: row 0 becomes 1..9,
    // and row 1 takes 4 5 6 1 2 3 and finds cell 15 without a candidate, every time,
    // since the restart brings the same ascending lists back.
    randomSource = recordedZero;
    EXPECT_EQ(createGrid(), 0);
    EXPECT_EQ(workingGrid(), topRows(patternRows, 1));
    EXPECT_EQ(drawsSeen.size(), 9u + 16u * 6u);
    for (const DrawSeen& draw : drawsSeen) EXPECT_GT(draw.count, 0);
}

TEST_F(Filler, TheTopValueIsDrawnAgainAndPicksNothing) {
    const Grid expected = gridFromText(otherGrid);
    putFirst(expected);
    randomSource = topValueThenZero;
    ASSERT_EQ(createGrid(), 1);
    EXPECT_EQ(workingGrid(), expected);
    EXPECT_EQ(drawsSeen.size(), 81u);
    EXPECT_EQ(topValuesGiven, 81u);  // each zero came after a 2147483647
}

struct RestartCase {
    const char* why;
    std::vector<int> digits;  // the planned fill
    int expected;
    Grid grid;  // arrayFields afterwards
};

const RestartCase restartCases[] = {
    {"15 dead ends in one row: the 15th restarts it and the fill goes on",
     plan({rowsOf(patternRows, 0, 0), repeated(deadRow1, 15), rowsOf(patternRows, 1, 8)}), 1,
     topRows(patternRows, 9)},
    {"the 16th dead end in one row fails with row 0 kept",
     plan({rowsOf(patternRows, 0, 0), repeated(deadRow1, 16)}), 0, topRows(patternRows, 1)},
    {"7 + 8 dead ends in two rows: 15 in the call, the fill goes on",
     plan({rowsOf(patternRows, 0, 0), repeated(deadRow1, 7), rowsOf(patternRows, 1, 6), repeated(deadRow7, 8),
           rowsOf(patternRows, 7, 8)}),
     1, topRows(patternRows, 9)},
    {"8 + 8 dead ends in two rows: the limit counts over the whole call",
     plan({rowsOf(patternRows, 0, 0), repeated(deadRow1, 8), rowsOf(patternRows, 1, 6),
           repeated(deadRow7, 8)}),
     0, topRows(patternRows, 7)},
    {"a dead end at the first cell of a row recurs until the call fails", rowsOf(blockedRows, 0, 4), 0,
     topRows(blockedRows, 5)},
};

// Also shows that a dead end takes no value and a single candidate takes one: every planned
// digit is drawn exactly once, in order.
TEST_F(Filler, RowRestartsAndTheirLimit) {
    for (const RestartCase& c : restartCases) {
        SCOPED_TRACE(c.why);
        std::memset(&board, 0, sizeof board);
        fillPlan = FillPlan{c.digits, 0};
        randomSource = plannedRandom;
        EXPECT_EQ(createGrid(), c.expected);
        EXPECT_EQ(workingGrid(), c.grid);
        EXPECT_EQ(fillPlan.next, c.digits.size()) << "planned values left undrawn";
    }
}

TEST_F(Filler, ACallAfterAFailureStartsFromAnEmptyGrid) {
    fillPlan = FillPlan{rowsOf(blockedRows, 0, 4), 0};
    randomSource = plannedRandom;
    ASSERT_EQ(createGrid(), 0);
    fillPlan = FillPlan{rowsOf(patternRows, 0, 8), 0};
    EXPECT_EQ(createGrid(), 1);
    EXPECT_EQ(workingGrid(), topRows(patternRows, 9));
    EXPECT_EQ(fillPlan.next, 81u);
}

TEST_F(Filler, EveryFillFromTheRealSourceIsValidOrFailsCleanly) {
    // Lists carry over from fill to fill here, as they do in a run.
    randomSource = random;
    srandom(12345);
    int filled = 0;
    for (int k = 0; k < 300; ++k) {
        SCOPED_TRACE(k);
        const int result = createGrid();
        const Grid grid = workingGrid();
        if (result == 1) {
            ++filled;
            EXPECT_TRUE(isValidSolution(grid));
            continue;
        }
        ASSERT_EQ(result, 0);
        // Complete rows, then zeros only: the rows above the failing row.
        int zeroFrom = 0;
        while (zeroFrom < cellCount && grid[static_cast<size_t>(zeroFrom)] != 0) ++zeroFrom;
        EXPECT_EQ(zeroFrom % 9, 0);
        for (int cell = zeroFrom; cell < cellCount; ++cell) EXPECT_EQ(grid[static_cast<size_t>(cell)], 0);
    }
    EXPECT_GT(filled, 0);
}

}  // namespace
