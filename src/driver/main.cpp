#include <cstdio>

#include "driver/driver.h"

int main(int argc, char** argv) {
    // Standard output gets a static buffer, so that nothing in the tool touches the heap.
    // The whole output is one short line, written at exit.
    static char outputBuffer[4096];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    return runNonet(argc, argv, defaultGenerateLimits);
}
