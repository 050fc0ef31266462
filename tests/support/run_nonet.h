// Runs the built nonet binary as a separate process: no shell, an argument vector, stdout
// and stderr read to the end, the exit status returned.
#pragma once
#include <string>
#include <vector>

struct RunResult {
    std::string out;
    std::string err;
    int status = -1;  // exit status, or -1 when the process did not exit normally
};

/// Runs nonet with `args` (the program name is added).
RunResult runNonet(const std::vector<std::string>& args);
