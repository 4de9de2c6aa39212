// Every way the viewer can end gives the terminal back as it was found: the
// line discipline (`stty -a` the same before and after), the normal screen,
// no mouse reports, no bracketed paste, the cursor visible.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <regex>
#include <string>

#include "tests/e2e/viewer_run.h"
#include "tests/support/terminal_run.h"

namespace navisift_e2e {
namespace {

namespace fs = std::filesystem;

struct EndingCase {
    const char* name;
    std::function<void(TerminalRun&)> end;
    int exitCode;
};

void PrintTo(const EndingCase& c, std::ostream* out) {
    *out << c.name;
}

// The last time the program switched a private mode: 'h' on, 'l' off, 0 never.
char lastSwitch(const std::string& output, std::string_view mode) {
    const std::regex pattern("\x1b\\[\\?" + std::string(mode) + "([hl])");
    char last = 0;
    for (auto it = std::sregex_iterator(output.begin(), output.end(), pattern);
         it != std::sregex_iterator(); ++it)
        last = (*it)[1].str()[0];
    return last;
}

bool everSwitchedOn(const std::string& output, std::string_view mode) {
    return output.find("\x1b[?" + std::string(mode) + "h") != std::string::npos;
}

// `stty -a` without the window's rows and columns, which are no mode of the
// line and change when the test resizes the terminal.
std::string withoutSize(const std::string& stty) {
    return std::regex_replace(stty, std::regex("rows [0-9]+; columns [0-9]+; "), "");
}

class TerminalEndingTest : public testing::TestWithParam<EndingCase> {};

TEST_P(TerminalEndingTest, GivesTheTerminalBack) {
    TerminalRun run(viewerCommand(129));
    ASSERT_TRUE(run.waitForText("Question 1")) << run.screenText();
    GetParam().end(run);
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << "still running:\n" << run.screenText();

    EXPECT_EQ(ending->exitCode, GetParam().exitCode);
    EXPECT_FALSE(ending->sttyBefore.empty());
    EXPECT_EQ(withoutSize(ending->sttyAfter), withoutSize(ending->sttyBefore))
        << "the line discipline was changed";
    for (const char* rawFlag : {" -icanon", " -echo ", " -isig", " -icrnl", " -ixon"})
        EXPECT_EQ(ending->sttyAfter.find(rawFlag), std::string::npos) << rawFlag;
    EXPECT_EQ(ending->paneModes, "alternate=0 mouse=00000 cursor=1 keypad=0");

    // The modes were really on while the dialog ran, and the last word was off.
    const std::string& output = ending->output;
    for (const char* mode : {"1049", "1000", "1002", "1006", "2004"}) {
        SCOPED_TRACE(mode);
        EXPECT_TRUE(everSwitchedOn(output, mode));
        EXPECT_EQ(lastSwitch(output, mode), 'l');
    }
    EXPECT_EQ(lastSwitch(output, "25"), 'h') << "the cursor must show again";
}

INSTANTIATE_TEST_SUITE_P(
    Endings, TerminalEndingTest,
    testing::Values(
        EndingCase{"NormalEndByEscape", [](TerminalRun& run) { run.keys({"Escape"}); }, 0},
        EndingCase{"QuickExitByQuit", [](TerminalRun& run) { run.keys({"M-q"}); }, 1},
        // In the answer field Ctrl+C copies; on a button it ends the program.
        EndingCase{"InterruptByCtrlC",
                   [](TerminalRun& run) {
                       run.keys({"Tab", "C-c"});
                   },
                   128 + SIGINT},
        EndingCase{"InterruptByCtrlCOnTheTooSmallNotice",
                   [](TerminalRun& run) {
                       run.resize(60, 12);
                       ASSERT_TRUE(run.waitForText("or press Ctrl+C to end.")) << run.screenText();
                       run.keys({"C-c"});
                   },
                   128 + SIGINT},
        EndingCase{"Terminate", [](TerminalRun& run) { run.signal(SIGTERM); }, 128 + SIGTERM},
        EndingCase{"HangUp", [](TerminalRun& run) { run.signal(SIGHUP); }, 128 + SIGHUP},
        EndingCase{"Quit", [](TerminalRun& run) { run.signal(SIGQUIT); }, 128 + SIGQUIT},
        EndingCase{"Crash", [](TerminalRun& run) { run.signal(SIGSEGV); }, 128 + SIGSEGV},
        EndingCase{"Abort", [](TerminalRun& run) { run.signal(SIGABRT); }, 128 + SIGABRT}),
    [](const testing::TestParamInfo<EndingCase>& info) { return info.param.name; });

// The notice of a terminal too small for the dialog ignores keys, but not
// Ctrl+C, which is no signal while the program has the terminal.
TEST(TerminalInterrupt, CtrlCEndsTheProgramWhileTheTerminalIsTooSmall) {
    TerminalRun run(viewerCommand(129));
    ASSERT_TRUE(run.waitForText("Question 1")) << run.screenText();
    run.resize(60, 20);
    ASSERT_TRUE(run.waitForTextGone("Question 1")) << run.screenText();
    run.keys({"C-c"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << "still running:\n" << run.screenText();
    EXPECT_EQ(ending->exitCode, 128 + SIGINT);
    EXPECT_EQ(ending->paneModes, "alternate=0 mouse=00000 cursor=1 keypad=0");
}

// A shell with job control: the program runs as a job; when it stops, the
// shell notes the modes, waits for the test's word, and brings it back.
constexpr std::string_view jobControlShell = R"(trap ':' INT QUIT
stty -a > stty-before.txt
sh -c 'echo $$ > program.pid; exec "$0" "$@"' "$@" &
fg %1 > /dev/null
stty -a > stty-stopped.txt
touch stopped
while [ ! -e resume ]; do sleep 0.05; done
fg %1 > /dev/null
echo $? > exit-code.part
stty -a > stty-after.txt
mv exit-code.part exit-code.txt
)";

TEST(TerminalStop, AStopGivesTheTerminalBackAndBringingItBackRepaints) {
    TerminalRun run(viewerCommand(129, {"--generic"}),
                    {.innerShell = jobControlShell, .interpreter = "bash -m"});
    ASSERT_TRUE(run.waitForText("Question 1")) << run.screenText();
    run.signal(SIGTSTP);
    ASSERT_TRUE(run.waitUntil([&](const std::string&) {
        return fs::exists(run.folder() / "stopped");
    })) << "the program did not stop";
    EXPECT_EQ(run.screenText().find("Question 1"), std::string::npos)
        << "the shell's screen is back";
    std::ifstream stoppedModes(run.folder() / "stty-stopped.txt");
    const std::string stopped((std::istreambuf_iterator<char>(stoppedModes)),
                              std::istreambuf_iterator<char>());
    std::ifstream beforeModes(run.folder() / "stty-before.txt");
    const std::string before((std::istreambuf_iterator<char>(beforeModes)),
                             std::istreambuf_iterator<char>());
    EXPECT_EQ(stopped, before) << "the line discipline while stopped";

    std::ofstream(run.folder() / "resume").flush();
    ASSERT_TRUE(run.waitForText("Question 1")) << "not repainted:\n" << run.screenText();
    run.type("back");
    // The mouse works again: a click on Next ends the dialog.
    const auto next = run.find("Next");
    ASSERT_TRUE(next.has_value());
    run.click(next->x + 1, next->y);
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << run.screenText();
    EXPECT_EQ(ending->exitCode, 0);
    EXPECT_EQ(ending->sttyAfter, ending->sttyBefore);
    const std::vector<std::string> printed = printedLines(ending->output);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "answer [back]"), printed.end());
}

}  // namespace
}  // namespace navisift_e2e
