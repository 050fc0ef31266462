// The whole tool as callers see it: exact stdout bytes, exit status, nothing on stderr.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_nonet.h"

namespace {

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string out;
    int status;
};

const CliCase usageCases[] = {
    {"UnknownLetter", {"-x"}, "Argument '-x' not known\n", 1},
};

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsExactBytesAndStatus) {
    const CliCase& c = GetParam();
    const RunResult r = runNonet(c.args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Usage, Cli, ::testing::ValuesIn(usageCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
