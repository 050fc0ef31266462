// Fuzzes a whole run of nonet over an arbitrary argument list, through runNonet as main
// calls it, with small generate limits so that one input stays fast.
//
// Input layout: the arguments one after another, each ended by a NUL byte; a last
// argument without its NUL counts too. So "" is no argument, "\0" one empty argument,
// "-n\0" + "99999999999\0" an -n with a huge value. Any other byte is argument text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "board/board.h"
#include "driver/driver.h"

// Runs without -s seed from the clock; a fixed clock makes every input replay the same
// (coverage stays stable and a crash found here reproduces). nonet is the only caller.
extern "C" time_t time(time_t* reading) noexcept {
    constexpr time_t fixedClock = 1700000000;
    if (reading != nullptr) *reading = fixedClock;
    return fixedClock;
}

namespace {

// Two hideBlocks calls on each of two grids: enough to reach the give-up path (status 2)
// and the retry paths, cheap enough for thousands of runs a minute under the sanitizers.
constexpr GenerateLimits fuzzLimits = {2, 2};

std::vector<std::string> splitArguments(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments;
    std::string current;
    for (size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[k]));
        }
    }
    if (!current.empty()) arguments.push_back(current);
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // nonet writes everything to standard output; the fuzzer's own reports go to stderr.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> arguments = splitArguments(data, size);
    std::vector<const char*> argv;
    argv.push_back("nonet");
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    std::memset(&board, 0, sizeof board);
    const int status = runNonet(static_cast<int>(argv.size() - 1), argv.data(), fuzzLimits);
    if (status != exitOk && status != exitUsage && status != exitNoPuzzle) std::abort();
    return 0;
}
