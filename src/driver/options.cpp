// The option grammar: every argument is an option "-x" (only the character after the '-'
// counts, in either case) followed by its value, which is taken whatever it holds.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board/board.h"
#include "driver/driver.h"

namespace {

const char* usageMessage(char option) {
    switch (option) {
        case 'p': return "Usage: -p puzzle\n";
        case 'n': return "Usage: -n numberToHide\n";
        case 'g': return "Usage: -g numberOfGuesses\n";
        default: return "Usage: -s seed\n";
    }
}

// The option letter of `argument` in lower case, or 0 when it names no option.
char optionLetter(const char* argument) {
    if (argument[0] != '-') return 0;
    switch (argument[1]) {
        case 'p': case 'P': return 'p';
        case 'n': case 'N': return 'n';
        case 'g': case 'G': return 'g';
        case 's': case 'S': return 's';
        default: return 0;
    }
}

// Cell k gets character k's code minus '0', read as a signed byte: '0' is an empty cell,
// '1'..'9' digits, and any other character a value outside 0..9 ('.' gives -2).
// A value shorter than 81 characters is refused before anything past its end is read.
int loadPuzzle(const char* puzzle) {
    if (strnlen(puzzle, cellCount) < cellCount) {
        std::printf("Puzzle must have 81 characters\n");
        return exitUsage;
    }
    for (int cell = 0; cell < cellCount; ++cell)
        board.arrayFields[cell] = static_cast<signed char>(puzzle[cell]) - '0';
    return exitOk;
}

int applyOption(char option, const char* value, Settings* settings) {
    switch (option) {
        case 'p':
            settings->puzzleGiven = true;
            return loadPuzzle(value);
        case 'n': settings->numberToHide = std::atoi(value); break;
        case 'g': settings->numberOfGuesses = std::atoi(value); break;
        default:
            settings->seedGiven = true;
            settings->seed = std::atoi(value);
    }
    return exitOk;
}

}  // namespace

int readOptions(int argc, const char* const* argv, Settings* settings) {
    for (int i = 1; i < argc; i += 2) {
        const char option = optionLetter(argv[i]);
        if (option == 0) {
            std::printf("Argument '%s' not known\n", argv[i]);
            return exitUsage;
        }
        if (i + 1 >= argc) {
            std::printf("%s", usageMessage(option));
            return exitUsage;
        }
        const int status = applyOption(option, argv[i + 1], settings);
        if (status != exitOk) return status;
    }
    return exitOk;
}
