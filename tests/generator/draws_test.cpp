// The two random draws: which value gives which position, which values are drawn again,
// and how many values one draw takes.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "generator/generator.h"
#include "scripted_random.h"

namespace {

class CandidateDraw : public ScriptedRandomTest {};

struct PositionCase {
    int n;
    std::vector<long> values;
    int expected;
    size_t taken;
    const char* why;
};

// Divisors: n = 1: 2147483647, 2: 1073741823, 4: 536870911, 7: 306783378, 8: 268435455,
// 9: 238609294. Values from n x divisor up give position n and are drawn again.
const PositionCase positionCases[] = {
    {1, {0}, 0, 1, "a single entry still takes one value"},
    {1, {2147483646}, 0, 1, "one entry: every value below 2147483647 gives it"},
    {1, {2147483647, 7}, 0, 2, "one entry: 2147483647 is drawn again"},
    {2, {1073741822}, 0, 1, "n = 2: the last value of position 0"},
    {2, {1073741823}, 1, 1, "n = 2: the first value of position 1"},
    {2, {2147483646, 2147483647, 2147483645}, 1, 3, "n = 2: both top values are drawn again"},
    {4, {2147483643}, 3, 1, "n = 4: the last value below the redrawn ones"},
    {4, {2147483644, 2147483646, 536870911}, 1, 3, "n = 4: the four top values are drawn again"},
    {7, {306783377}, 0, 1, "n = 7: divisor 306783378, last value of position 0"},
    {7, {2147483646, 2147483645}, 6, 2, "n = 7: 7 x 306783378 is drawn again"},
    {8, {2147483639}, 7, 1, "n = 8: last value below 8 x 268435455"},
    {8, {2147483640, 0}, 0, 2, "n = 8: eight top values are drawn again"},
    {9, {238609293}, 0, 1, "n = 9: divisor 238609294, last value of position 0"},
    {9, {238609294}, 1, 1, "n = 9: first value of position 1"},
    {9, {2147483645}, 8, 1, "n = 9: the last position"},
    {9, {2147483646, 2147483647, 5}, 0, 3, "n = 9: 9 x 238609294 and 2147483647 are drawn again"},
};

TEST_F(CandidateDraw, DividesByTheDivisorAndRedrawsTheTopValues) {
    for (const PositionCase& c : positionCases) {
        SCOPED_TRACE(c.why);
        useScript(c.values);
        EXPECT_EQ(drawCandidatePosition(c.n), c.expected);
        EXPECT_EQ(valuesTaken(), c.taken);
    }
}

TEST_F(CandidateDraw, TheTopValueIsDrawnAgainForEveryLength) {
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        useScript({randomMaximum, randomMaximum, 0});
        EXPECT_EQ(drawCandidatePosition(n), 0);
        EXPECT_EQ(valuesTaken(), 3u);
    }
}

class CellDraw : public ScriptedRandomTest {};

struct CellCase {
    std::vector<int> tried;  // cells marked -1 in the untried table
    std::vector<long> values;
    int expected;
    size_t taken;
    const char* why;
};

std::vector<int> cellsUpTo(int last) {
    std::vector<int> cells;
    for (int cell = 0; cell <= last; ++cell) cells.push_back(cell);
    return cells;
}

const CellCase cellCases[] = {
    {{}, {0}, 0, 1, "0 gives cell 0"},
    {{}, {26512142}, 0, 1, "the last value of cell 0"},
    {{}, {26512143}, 1, 1, "divisor 26512143"},
    {{}, {2147483582}, 80, 1, "the highest value that gives a cell"},
    {{},
     {2147483583, 2147483647, 2147483600, valueForCell(40)},
     40,
     4,
     "the 65 values from 2147483583 up give 81 and are drawn again"},
    {{5},
     {valueForCell(5), valueForCell(6) - 1, valueForCell(6)},
     6,
     3,
     "every value of a tried cell is drawn again"},
    {cellsUpTo(79),
     {0, 2147483647, valueForCell(79), valueForCell(80)},
     80,
     4,
     "only the one untried cell ends the draw"},
};

TEST_F(CellDraw, RedrawsPastTheLastCellAndOnTriedCells) {
    for (const CellCase& c : cellCases) {
        SCOPED_TRACE(c.why);
        std::array<int, cellCount> untried{};
        for (int cell = 0; cell < cellCount; ++cell) untried[static_cast<size_t>(cell)] = cell;
        for (int cell : c.tried) untried[static_cast<size_t>(cell)] = -1;
        useScript(c.values);
        EXPECT_EQ(drawUntriedCell(untried.data()), c.expected);
        EXPECT_EQ(valuesTaken(), c.taken);
    }
}

TEST_F(CellDraw, OnlyTheMarkMinusOneMeansTried) {
    std::array<int, cellCount> untried{};
    for (int cell = 0; cell < cellCount; ++cell) untried[static_cast<size_t>(cell)] = cell;
    untried[3] = -1;
    untried[7] = -2;  // not a mark: cell 7 is untried
    useScript({valueForCell(3), valueForCell(7)});
    EXPECT_EQ(drawUntriedCell(untried.data()), 7);
}

}  // namespace
