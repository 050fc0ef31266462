// The small list functions that candidate upkeep is built on.
#include <gtest/gtest.h>

#include <array>

#include "board/board.h"

namespace {

// A sentinel after the valid entries shows a read or write past the count.
constexpr int poison = 99;

struct FindCase {
    std::array<int, 4> list;
    int length, wanted, expected;
    const char* why;
};

const FindCase findCases[] = {
    {{3, 8, 5, poison}, 3, 8, 1, "found at its position"},
    {{5, 3, 5, poison}, 3, 5, 0, "the first of two equal entries"},
    {{5, 3, 5, poison}, 1, 3, -1, "entries past the length are not searched"},
    {{3, 8, 5, poison}, 3, 4, -1, "absent value"},
    {{3, 8, 5, poison}, 3, poison, -1, "the slot just past the length is not read"},
    {{0, 8, 5, poison}, 3, 0, -1, "zero is never found, even where the list holds it"},
    {{0, 8, 5, poison}, 0, 0, -1, "zero with length 0"},
    {{7, 8, 5, poison}, 0, 7, -1, "length 0 finds nothing"},
    {{7, 8, 5, poison}, -1, 7, -1, "a negative length finds nothing"},
    {{-2, 8, 5, poison}, 3, -2, 0, "negative values are compared exactly"},
    {{2, 8, -2, poison}, 3, -2, 2, "2 is not -2"},
};

TEST(ValueExistsInArray, FindsTheFirstPositionWithinTheLength) {
    for (const FindCase& c : findCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(valueExistsInArray(c.list.data(), c.length, c.wanted), c.expected);
    }
}

TEST(ValueExistsInArray, ReadsNothingForZeroOrEmptyLength) {
    // A null list would crash on any read.
    EXPECT_EQ(valueExistsInArray(nullptr, 9, 0), -1);
    EXPECT_EQ(valueExistsInArray(nullptr, 0, 5), -1);
}

struct SpliceCase {
    std::array<int, 4> list;
    int length, position, expectedLength;
    std::array<int, 4> expectedSlots;
    const char* why;
};

const SpliceCase spliceCases[] = {
    {{4, 6, 8, poison}, 3, 0, 2, {6, 8, 8, poison}, "first entry: the rest move down, the last slot stays"},
    {{4, 6, 8, poison}, 3, 1, 2, {4, 8, 8, poison}, "middle entry"},
    {{4, 6, 8, poison}, 3, 2, 2, {4, 6, 8, poison}, "last entry: only the length changes"},
    {{4, 6, 8, poison}, 3, 3, 3, {4, 6, 8, poison}, "position at the length changes nothing"},
    {{4, 6, 8, poison}, 3, 7, 3, {4, 6, 8, poison}, "position past the length changes nothing"},
    {{4, 6, 8, poison}, 3, -1, 3, {4, 6, 8, poison}, "negative position changes nothing"},
    {{4, poison, poison, poison}, 1, 0, 0, {4, poison, poison, poison}, "one-entry list"},
    {{poison, poison, poison, poison}, 0, 0, 0, {poison, poison, poison, poison}, "empty list"},
};

TEST(ArraySplice, RemovesOneEntryKeepingTheOrder) {
    for (const SpliceCase& c : spliceCases) {
        SCOPED_TRACE(c.why);
        auto list = c.list;
        EXPECT_EQ(arraySplice(list.data(), c.length, c.position), c.expectedLength);
        EXPECT_EQ(list, c.expectedSlots);
    }
}

}  // namespace
