// The grid printers: exact text on standard output.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "board/test_grids.h"
#include "driver/driver.h"

namespace {

using Cells = std::array<int, 81>;

std::string printed(const std::function<void()>& print) {
    testing::internal::CaptureStdout();
    print();
    return testing::internal::GetCapturedStdout();
}

Cells cellsOf(const std::string& text) {
    Cells grid{};
    for (size_t cell = 0; cell < 81; ++cell) grid[cell] = text[cell] - '0';
    return grid;
}

Cells with(Cells grid, std::initializer_list<std::pair<int, int>> cells) {
    for (const auto& [cell, value] : cells) grid[static_cast<size_t>(cell)] = value;
    return grid;
}

// 81 fields joined by ':' where every field is `field`, except those listed.
std::string fields(const std::string& field, std::initializer_list<std::pair<int, std::string>> except = {}) {
    std::string out;
    for (int cell = 0; cell < 81; ++cell) {
        std::string text = field;
        for (const auto& [c, t] : except)
            if (c == cell) text = t;
        out += text;
        if (cell != 80) out += ':';
    }
    return out;
}

struct JsCase {
    Cells grid;
    std::string expected;
    const char* why;
};

TEST(DisplayJsVersion, WritesEightyOneFieldsAndNoLineEnd) {
    const Cells valid = cellsOf(testgrids::validGrid);
    const JsCase cases[] = {
        {Cells{}, std::string(80, ':'), "every cell empty: 80 colons"},
        {valid, testgrids::fieldsOf(testgrids::validGrid), "complete grid"},
        {with(Cells{}, {{0, 5}}), "5" + std::string(80, ':'), "first field only"},
        {with(Cells{}, {{80, 5}}), std::string(80, ':') + "5", "last field only"},
        {with(Cells{}, {{40, -2}}), fields("", {{40, "-2"}}), "-2 keeps its minus sign"},
        {with(Cells{}, {{0, 49}, {1, -2}, {2, 7}, {80, 12}}),
         fields("", {{0, "49"}, {1, "-2"}, {2, "7"}, {80, "12"}}),
         "values outside 0..9 among digits and empty cells, in order"},
        {with(valid, {{3, -123}}), testgrids::fieldsOf(testgrids::validGrid).replace(6, 1, "-123"),
         "a wide value inside a full grid"},
    };
    for (const JsCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(printed([&] { displayJsVersion(c.grid.data()); }), c.expected);
    }
    EXPECT_EQ(printed([&] { displayJsVersion(valid.data()); }).size(), 161u);
}

TEST(DisplayJsVersion, WritesEveryCellWhenNoneIsADigit) {
    Cells grid{};
    grid.fill(-2);
    EXPECT_EQ(printed([&] { displayJsVersion(grid.data()); }), fields("-2"));
    grid.fill(-2147483647 - 1);
    EXPECT_EQ(printed([&] { displayJsVersion(grid.data()); }), fields("-2147483648"));
}

// Nine lines of nine entries, each entry followed by a space; `mark` replaces the entry of
// one cell.
std::string gridLines(char entry, int markedCell = -1, const std::string& mark = "X") {
    std::string out;
    for (int cell = 0; cell < 81; ++cell) {
        out += cell == markedCell ? mark : std::string(1, entry);
        out += ' ';
        if (cell % 9 == 8) out += '\n';
    }
    return out;
}

TEST(DisplayGrid, MarksOnlyAnEmptyCellAndEndsEveryLine) {
    struct GridCase {
        Cells grid;
        int mark;
        std::string expected;
        const char* why;
    };
    const GridCase cases[] = {
        {Cells{}, 40, gridLines('-', 40), "fifth entry of the fifth line"},
        {Cells{}, 0, gridLines('-', 0), "first cell"},
        {Cells{}, 80, gridLines('-', 80), "last cell"},
        {Cells{}, -1, gridLines('-'), "-1 marks nothing"},
        {Cells{}, 81, gridLines('-'), "81 marks nothing"},
        {with(Cells{}, {{40, 7}}), 40, gridLines('-', 40, "7"), "a filled marked cell shows its digit"},
        {with(Cells{}, {{13, -2}}), -1, gridLines('-', 13, "-2"), "negative value"},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(printed([&] { displayGrid(c.grid.data(), c.mark); }), c.expected);
    }
}

TEST(DisplayCVersion, WritesTheValuesAsThePuzzleOptionTakesThem) {
    EXPECT_EQ(printed([] { displayCVersion(cellsOf(testgrids::uniquePuzzle).data()); }),
              testgrids::uniquePuzzle);
    EXPECT_EQ(printed([] { displayCVersion(Cells{}.data()); }), std::string(81, '0'));
    EXPECT_EQ(printed([] {
                  displayCVersion(with(Cells{}, {{0, -2}, {80, 12}}).data());
              }),
              "-2" + std::string(79, '0') + "12");
}

TEST(DisplayArray, SeparatesWithCommasOnly) {
    const int list[] = {3, -2, 10, 7};
    EXPECT_EQ(printed([&] { displayArray(list, 4); }), "3,-2,10,7");
    EXPECT_EQ(printed([&] { displayArray(list, 1); }), "3");
    EXPECT_EQ(printed([&] { displayArray(list, 0); }), "");
    EXPECT_EQ(printed([&] { displayArray(nullptr, -1); }), "");
}

TEST(Tabber, WritesTwoSpacesPerLevel) {
    EXPECT_EQ(printed([] { tabber(3); }), "      ");
    EXPECT_EQ(printed([] { tabber(1); }), "  ");
    EXPECT_EQ(printed([] { tabber(0); }), "");
    EXPECT_EQ(printed([] { tabber(-2); }), "");
}

TEST(Printers, KeepTheOrderOfCallsAcrossTheirWritingPaths) {
    // tabber writes with printf, the others through the stream: the text comes out in call order.
    const Cells grid = with(Cells{}, {{0, 4}});
    EXPECT_EQ(printed([&] {
                  tabber(1);
                  displayJsVersion(grid.data());
                  tabber(1);
                  displayCVersion(grid.data());
              }),
              "  4" + std::string(80, ':') + "  4" + std::string(80, '0'));
}

}  // namespace
