// The independent solution counter that the solver's answers are checked against.
#include "support/counter.h"

#include <gtest/gtest.h>

#include <string>

#include "board/test_grids.h"

namespace {

using testgrids::validGrid;
using testgrids::withCells;

TEST(CountSolutions, CountsUpToTheLimit) {
    const std::string rectangle = withCells(validGrid, {32, 35, 41, 44}, '0');
    const std::string twoRectangles = withCells(rectangle, {57, 62, 66, 71}, '0');
    struct CountCase {
        std::string puzzle;
        int limit, expected;
        const char* why;
    };
    const CountCase cases[] = {
        {validGrid, 2, 1, "complete grid"},
        {withCells(validGrid, {40}, '0'), 2, 1, "one cell emptied"},
        {testgrids::uniquePuzzle, 2, 1, "a proper puzzle"},
        {rectangle, 2, 2, "a rectangle: two solutions"},
        {rectangle, 1, 1, "the count stops at the limit"},
        {rectangle, 10, 2, "exactly two"},
        {twoRectangles, 10, 4, "two rectangles: four"},
        {std::string(81, '0'), 3, 3, "the empty board"},
        {withCells(testgrids::uniquePuzzle, {2}, '3'), 2, 0, "a given repeated in its row"},
        {testgrids::cellZeroBlocked, 2, 0, "a cell that can take nothing"},
        {"123456700000000090" + std::string(63, '0'), 2, 0, "9 fits nowhere in row 0, each cell has a digit"},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(countSolutions(gridFromText(c.puzzle), c.limit), c.expected);
    }
}

TEST(CountSolutions, ValuesOutsideDigitsHaveNoSolution) {
    Grid puzzle = gridFromText(testgrids::uniquePuzzle);
    puzzle[2] = -2;
    EXPECT_EQ(countSolutions(puzzle), 0);
    puzzle[2] = 12;
    EXPECT_EQ(countSolutions(puzzle), 0);
}

TEST(GridFromFields, ReadsOnlyEightyOneFieldsOfOneDigitOrNothing) {
    Grid grid{};
    ASSERT_TRUE(gridFromFields(testgrids::fieldsOf(testgrids::uniquePuzzle), &grid));
    EXPECT_EQ(grid, gridFromText(testgrids::uniquePuzzle));
    EXPECT_TRUE(gridFromFields(std::string(80, ':'), &grid));
    EXPECT_FALSE(gridFromFields(std::string(79, ':'), &grid));
    EXPECT_FALSE(gridFromFields(std::string(81, ':'), &grid));
    EXPECT_FALSE(gridFromFields("-2" + std::string(80, ':'), &grid));
    EXPECT_FALSE(gridFromFields("12" + std::string(80, ':'), &grid));
    EXPECT_FALSE(gridFromFields(std::string(80, ':') + "\n", &grid));
}

}  // namespace
