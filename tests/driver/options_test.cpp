// The option grammar in process: the settings it produces and the cells a puzzle loads.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "board/test_grids.h"
#include "driver/driver.h"

namespace {

using testgrids::uniquePuzzle;
using testgrids::validGrid;

// An argument vector whose texts are heap blocks of exactly their length plus the end
// mark, so that AddressSanitizer catches any read past the end of a value.
class Arguments {
   public:
    explicit Arguments(const std::vector<std::string>& args) {
        texts_.push_back(copy("nonet"));
        for (const std::string& a : args) texts_.push_back(copy(a));
        for (const auto& t : texts_) pointers_.push_back(t.get());
    }
    int count() const { return static_cast<int>(pointers_.size()); }
    const char* const* values() const { return pointers_.data(); }

   private:
    static std::unique_ptr<char[]> copy(const std::string& text) {
        auto block = std::make_unique<char[]>(text.size() + 1);
        text.copy(block.get(), text.size());
        block[text.size()] = '\0';
        return block;
    }
    std::vector<std::unique_ptr<char[]>> texts_;
    std::vector<const char*> pointers_;
};

struct ReadResult {
    int status;
    std::string out;
    Settings settings;
};

ReadResult read(const std::vector<std::string>& args) {
    const Arguments arguments(args);
    ReadResult r{};
    testing::internal::CaptureStdout();
    r.status = readOptions(arguments.count(), arguments.values(), &r.settings);
    r.out = testing::internal::GetCapturedStdout();
    return r;
}

class ReadOptions : public ::testing::Test {
   protected:
    void SetUp() override { testgrids::resetBoard(); }
};

struct SettingsCase {
    std::vector<std::string> args;
    int numberToHide, numberOfGuesses;
    bool puzzleGiven, seedGiven;
    int seed;
    const char* why;
};

const SettingsCase settingsCases[] = {
    {{}, 320, 0, false, false, 0, "defaults"},
    {{"-n", "12x"}, 12, 0, false, false, 0, "a number followed by other characters"},
    {{"-n", "x"}, 0, 0, false, false, 0, "a text that is no number reads as 0"},
    {{"-n", "-p"}, 0, 0, false, false, 0, "-p as a value: 0, and no puzzle"},
    {{"-n", "-5"}, -5, 0, false, false, 0, "negative value"},
    {{"-N", "5", "-G", "7", "-S", "9"}, 5, 7, false, true, 9, "upper-case options"},
    {{"-numberToHide", "40", "-guesses", "3", "-seed", "11"}, 40, 3, false, true, 11, "long spellings"},
    {{"-n", "5", "-n", "6", "-g", "1", "-g", "2"}, 6, 2, false, false, 0, "the last value counts"},
    {{"-s", "42", "-s", "7"}, 320, 0, false, true, 7, "the last seed counts"},
    {{"-s", "abc"}, 320, 0, false, true, 0, "a seed that is no number is still a seed"},
    {{"-p", uniquePuzzle, "-n", "5", "-g", "9"}, 5, 9, true, false, 0, "options after -p are read"},
    {{"-n", "5", "-P", uniquePuzzle}, 5, 0, true, false, 0, "-P"},
    {{"-puzzle", uniquePuzzle}, 320, 0, true, false, 0, "-puzzle"},
};

TEST_F(ReadOptions, SettingsFollowTheOptions) {
    for (const SettingsCase& c : settingsCases) {
        SCOPED_TRACE(c.why);
        const ReadResult r = read(c.args);
        EXPECT_EQ(r.status, exitOk);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.settings.numberToHide, c.numberToHide);
        EXPECT_EQ(r.settings.numberOfGuesses, c.numberOfGuesses);
        EXPECT_EQ(r.settings.puzzleGiven, c.puzzleGiven);
        EXPECT_EQ(r.settings.seedGiven, c.seedGiven);
        if (c.seedGiven) {
            EXPECT_EQ(r.settings.seed, c.seed);
        }
    }
}

TEST_F(ReadOptions, WithoutPuzzleTheBoardStaysEmpty) {
    ASSERT_EQ(read({"-n", "-p"}).status, exitOk);
    for (int cell = 0; cell < cellCount; ++cell) EXPECT_EQ(board.arrayFields[cell], 0) << cell;
}

TEST_F(ReadOptions, PuzzleCellsAreCharacterCodesMinusZero) {
    std::string puzzle = uniquePuzzle;
    puzzle[0] = '.';
    puzzle[1] = 'a';
    puzzle[2] = '\xff';
    puzzle[80] = '/';
    ASSERT_EQ(read({"-p", puzzle + "99999 extra"}).status, exitOk);  // the rest is ignored
    EXPECT_EQ(board.arrayFields[0], -2);
    EXPECT_EQ(board.arrayFields[1], 49);
    EXPECT_EQ(board.arrayFields[2], -49);  // the byte is read as a signed value
    EXPECT_EQ(board.arrayFields[80], -1);
    for (int cell = 3; cell < 80; ++cell)
        EXPECT_EQ(board.arrayFields[cell], uniquePuzzle[static_cast<size_t>(cell)] - '0') << cell;
}

TEST_F(ReadOptions, SecondPuzzleReplacesAllCells) {
    ASSERT_EQ(read({"-p", validGrid, "-p", uniquePuzzle}).status, exitOk);
    EXPECT_EQ(testgrids::textOf(board.arrayFields), uniquePuzzle);
}

struct ErrorCase {
    std::vector<std::string> args;
    std::string out;
    const char* why;
};

const ErrorCase errorCases[] = {
    {{"-p", "123"}, "Puzzle must have 81 characters\n", "short puzzle"},
    {{"-p", ""}, "Puzzle must have 81 characters\n", "empty puzzle"},
    {{"-p", validGrid.substr(0, 80)}, "Puzzle must have 81 characters\n", "80 characters"},
    {{"-p", "123", "-x"}, "Puzzle must have 81 characters\n", "short puzzle before a bad argument"},
    {{"-x", "-p", "123"}, "Argument '-x' not known\n", "bad argument before a short puzzle"},
    {{"-p", validGrid, "-n"}, "Usage: -n numberToHide\n", "option without value after a puzzle"},
    {{"-p"}, "Usage: -p puzzle\n", "-p alone"},
    {{"-"}, "Argument '-' not known\n", "a lone -"},
    {{""}, "Argument '' not known\n", "an empty argument"},
};

TEST_F(ReadOptions, ErrorsPrintTheirMessageAndGiveStatusOne) {
    for (const ErrorCase& c : errorCases) {
        SCOPED_TRACE(c.why);
        const ReadResult r = read(c.args);
        EXPECT_EQ(r.status, exitUsage);
        EXPECT_EQ(r.out, c.out);
    }
}

}  // namespace
