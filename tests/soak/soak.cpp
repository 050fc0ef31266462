// The soak: thousands of generate runs through the real binary, over seeds and targets, each
// printed puzzle checked with the independent counter (see tests/generator/puzzle_checks.h):
// exactly one solution, givens that agree with the printed solution, a valid solution, the
// exact count in count mode, the difficulty within 9 in difficulty mode. A run that ends
// with status 2 ("No puzzle found ...") is counted apart, not as a puzzle.
//
// 10,528 runs in all, of which at least 10,000 must print a puzzle. The runs go to two
// worker processes, forked before any run starts, so that the pipes of one worker's runs
// never leak into the other worker's children. Prints a summary; exit status 0 when every
// run was sound and at least 10,000 puzzles came out, else 1.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "puzzle_checks.h"
#include "support/run_nonet.h"

namespace {

enum Kind { defaultTarget, countTarget, difficultyTarget, branchingTarget, kindCount };
const char* const kindNames[kindCount] = {"default (-n 320)", "count -n 1..60", "difficulty -n 110..450",
                                          "branching -g 1..20"};

struct Job {
    Kind kind;
    GenerateTarget target;
    int seed;
};

// The schedule: every target of each range, with a seed of its own for every run.
std::vector<Job> schedule() {
    std::vector<Job> jobs;
    int seed = 1;
    auto add = [&](Kind kind, GenerateTarget target, int seeds) {
        for (int k = 0; k < seeds; ++k) jobs.push_back({kind, target, seed++});
    };
    add(defaultTarget, {}, 2000);
    for (int count = 1; count <= 60; ++count) add(countTarget, {count, 0}, 50);
    for (int difficulty = 110; difficulty <= 450; ++difficulty) add(difficultyTarget, {difficulty, 0}, 8);
    for (int branchings = 1; branchings <= 20; ++branchings) add(branchingTarget, {320, branchings}, 140);
    return jobs;
}

struct Tally {
    long puzzles[kindCount] = {};
    long noPuzzle[kindCount] = {};
    long failures = 0;
    std::map<std::string, long> noPuzzleByTarget;  // "-n N -g G" -> status-2 runs
    std::vector<std::string> firstFailures;
};

std::string targetText(const GenerateTarget& target) {
    return "-n " + std::to_string(target.numberToHide) + " -g " + std::to_string(target.numberOfGuesses);
}

// A worker's report, one line each: "P kind", "N kind target", "F text".
void runShare(const std::vector<Job>& jobs, size_t first, size_t step, FILE* report) {
    for (size_t k = first; k < jobs.size(); k += step) {
        const Job& job = jobs[k];
        const RunResult run = runNonet(generateArguments(job.seed, job.target, true));
        const std::string problem = problemWithRun(run, job.target);
        if (!problem.empty())
            std::fprintf(report, "F -s %d %s: %s\n", job.seed, targetText(job.target).c_str(),
                         problem.c_str());
        else if (run.status == 2)
            std::fprintf(report, "N %d %s\n", job.kind, targetText(job.target).c_str());
        else
            std::fprintf(report, "P %d\n", job.kind);
        std::fflush(report);
    }
}

void readReport(FILE* report, Tally* tally) {
    char line[4096];
    while (std::fgets(line, sizeof line, report) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        if (text.size() < 3) continue;
        if (text[0] == 'P') {
            ++tally->puzzles[text[2] - '0'];
        } else if (text[0] == 'N') {
            ++tally->noPuzzle[text[2] - '0'];
            ++tally->noPuzzleByTarget[text.substr(4)];
        } else {
            ++tally->failures;
            if (tally->firstFailures.size() < 20) tally->firstFailures.push_back(text.substr(2));
        }
    }
}

}  // namespace

int main() {
    const std::vector<Job> jobs = schedule();
    constexpr int workers = 2;
    const auto start = std::chrono::steady_clock::now();

    FILE* reports[workers] = {};
    pid_t pids[workers] = {};
    for (int w = 0; w < workers; ++w) {
        int fds[2];
        if (pipe(fds) != 0) return 1;
        pids[w] = fork();
        if (pids[w] == 0) {
            close(fds[0]);
            for (int earlier = 0; earlier < w; ++earlier) std::fclose(reports[earlier]);
            FILE* out = fdopen(fds[1], "w");
            runShare(jobs, static_cast<size_t>(w), workers, out);
            std::fclose(out);
            _exit(0);
        }
        close(fds[1]);
        reports[w] = fdopen(fds[0], "r");
    }
    // Reports are read one after the other: a worker whose pipe fills up waits until its
    // turn comes (only when many long failure lines are written; a sound run's line is
    // a few bytes).
    Tally tally;
    for (int w = 0; w < workers; ++w) {
        readReport(reports[w], &tally);
        std::fclose(reports[w]);
    }
    bool workersOk = true;
    for (pid_t pid : pids) {
        int status = 0;
        workersOk =
            workersOk && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    long puzzles = 0, noPuzzle = 0;
    std::printf("nonet soak: %zu runs, %d at a time\n", jobs.size(), workers);
    std::printf("%-26s %8s %8s\n", "target kind", "puzzles", "status 2");
    for (int kind = 0; kind < kindCount; ++kind) {
        std::printf("%-26s %8ld %8ld\n", kindNames[kind], tally.puzzles[kind], tally.noPuzzle[kind]);
        puzzles += tally.puzzles[kind];
        noPuzzle += tally.noPuzzle[kind];
    }
    std::printf("%-26s %8ld %8ld\n", "all", puzzles, noPuzzle);
    for (const auto& [target, runs] : tally.noPuzzleByTarget)
        std::printf("  status 2 for %s: %ld\n", target.c_str(), runs);
    std::printf("unsound runs: %ld\n", tally.failures);
    for (const std::string& failure : tally.firstFailures) std::printf("  %s\n", failure.c_str());
    std::printf("wall time: %.1f s\n", seconds);

    constexpr long required = 10000;
    if (puzzles < required) std::printf("fewer than %ld puzzles\n", required);
    const bool complete = puzzles + noPuzzle + tally.failures == static_cast<long>(jobs.size());
    if (!complete || !workersOk) std::printf("a worker did not report every run\n");
    return tally.failures == 0 && puzzles >= required && complete && workersOk ? 0 : 1;
}
