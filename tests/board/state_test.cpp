// The cell geometry every part of nonet shares.
#include <gtest/gtest.h>

#include <set>

#include "board/board.h"

namespace {

TEST(CellGeometry, NamedCellsHaveTheirRowColumnAndBlockStarts) {
    struct GeometryCase {
        int cell, row, column, rowStart, blockStart;
    };
    const GeometryCase cases[] = {
        {0, 0, 0, 0, 0},    {23, 2, 5, 18, 3},  {40, 4, 4, 36, 30},
        {44, 4, 8, 36, 33}, {80, 8, 8, 72, 60}, {54, 6, 0, 54, 54},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(rowOf(c.cell), c.row);
        EXPECT_EQ(columnOf(c.cell), c.column);
        EXPECT_EQ(rowStartOf(c.cell), c.rowStart);
        EXPECT_EQ(blockStartOf(c.cell), c.blockStart);
    }
    EXPECT_EQ(blockStarts[4], 30);
}

TEST(CellGeometry, BlockStartsNameNineDisjointBlocksCoveringTheGrid) {
    std::set<int> covered;
    for (int block = 0; block < 9; ++block) {
        const int start = blockStarts[block];
        EXPECT_EQ(start, (block / 3) * 27 + (block % 3) * 3) << block;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                const int cell = start + r * 9 + c;
                EXPECT_EQ(blockStartOf(cell), start) << cell;
                EXPECT_TRUE(covered.insert(cell).second) << cell;
            }
    }
    EXPECT_EQ(covered.size(), 81u);
}

}  // namespace
