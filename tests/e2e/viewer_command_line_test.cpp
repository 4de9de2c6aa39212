// The viewer's command line, and what it does without a terminal.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/e2e/viewer_run.h"

namespace navisift_e2e {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string errors;
};

// Runs the viewer with no terminal at all: input from /dev/null, output to a pipe.
Outcome runWithoutTerminal(const std::string& arguments) {
    const std::string command = viewerPath() + " " + arguments + " </dev/null 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    Outcome outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        outcome.errors += buffer;
    const int status = ::pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

struct CommandLineCase {
    const char* name;
    const char* arguments;
    const char* message;
};

void PrintTo(const CommandLineCase& entry, std::ostream* out) {
    *out << entry.name;
}

class ViewerCommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ViewerCommandLineTest, RefusesWithExitCodeTwoAndSaysWhy) {
    const Outcome outcome = runWithoutTerminal(GetParam().arguments);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.errors.find(GetParam().message), std::string::npos) << outcome.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerCommandLineTest,
    testing::Values(CommandLineCase{"NoTemplate", "", "usage: navisift-dialog-viewer"},
                    CommandLineCase{"UnknownTemplate", "999", "usage: navisift-dialog-viewer"},
                    CommandLineCase{"TwoTemplates", "129 130", "usage: navisift-dialog-viewer"},
                    CommandLineCase{"UnknownOption", "--colour 129",
                                    "usage: navisift-dialog-viewer"},
                    CommandLineCase{"NoTerminal", "129", "must be a terminal"}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

}  // namespace
}  // namespace navisift_e2e
