// The generator's random draws. Both divide a random value by a fixed divisor and draw
// again on the few top values that would give a position past the end, so every position
// comes from exactly `divisor` values.
#include <cstdlib>

#include "board/board.h"
#include "generator/generator.h"

long (*randomSource)() = random;

namespace {
constexpr long randomMax = 2147483647;
constexpr long cellDivisor = 26512143;  // randomMax / 81
}  // namespace

int drawCandidatePosition(int n) {
    const long divisor = randomMax / n;
    for (;;) {
        const long position = randomSource() / divisor;
        if (position < n) return static_cast<int>(position);
    }
}

int drawUntriedCell(const int* untried) {
    for (;;) {
        const long cell = randomSource() / cellDivisor;
        if (cell < cellCount && untried[cell] != -1) return static_cast<int>(cell);
    }
}
