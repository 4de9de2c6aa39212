// How the terminal screen behaves as a program runs: it sleeps while nothing
// happens, sends only what changed, and shows the caret where the edit is.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "tests/e2e/viewer_run.h"
#include "tests/support/terminal_run.h"

namespace navisift_e2e {
namespace {

// The processor time a process has used so far, in seconds.
double processorSeconds(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised name: state is the 3rd, utime the 14th, stime the 15th.
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index)
        if (index >= 14)
            ticks += std::stol(field);
    return static_cast<double>(ticks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

struct IdleCase {
    const char* name;
    int templateNumber;
    const char* shown;
};

void PrintTo(const IdleCase& entry, std::ostream* out) {
    *out << entry.name;
}

class TerminalIdleTest : public testing::TestWithParam<IdleCase> {};

// A busy loop would burn the whole two seconds; waiting for input or the
// clip's next frame costs next to nothing.
TEST_P(TerminalIdleTest, WaitingUsesAlmostNoProcessorTime) {
    TerminalRun run(viewerCommand(GetParam().templateNumber));
    ASSERT_TRUE(run.waitForText(GetParam().shown));
    const int pid = run.programPid();
    const double before = processorSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_LT(processorSeconds(pid) - before, 0.3);
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TerminalIdleTest,
                         testing::Values(IdleCase{"StaticDialog", 129, "Question 1"},
                                         IdleCase{"PlayingClip", 100, "About..."}),
                         [](const testing::TestParamInfo<IdleCase>& info) {
                             return info.param.name;
                         });

struct TermCase {
    const char* name;
    const char* term;
};

void PrintTo(const TermCase& entry, std::ostream* out) {
    *out << entry.term;
}

class TypedCharacterTest : public testing::TestWithParam<TermCase> {};

// Curses goes back to colour pair 0 after every update, and pair 0 holds the
// answer field's colours: a typed character needs no colours of its own.
TEST_P(TypedCharacterTest, SendsLittleMoreThanTheCharacter) {
    TerminalOptions options;
    options.term = GetParam().term;
    TerminalRun run(viewerCommand(129, {"--generic"}), options);
    ASSERT_TRUE(run.waitForText("Question 1"));
    run.settledScreen();
    const std::uintmax_t before = run.outputSize();
    ASSERT_GT(before, 1920u) << "the first frame fills the screen";
    run.type("w");
    ASSERT_TRUE(run.waitUntil(
        [](const std::string& screen) { return screen.find("  w ") != std::string::npos; }));
    run.settledScreen();
    // The character, at most a caret move and a change of attributes and back.
    EXPECT_LE(run.outputSize() - before, 30u);
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

INSTANTIATE_TEST_SUITE_P(Terminals, TypedCharacterTest,
                         testing::Values(TermCase{"Colours256", "xterm-256color"},
                                         TermCase{"Colours8", "xterm"},
                                         TermCase{"Monochrome", "vt100"}),
                         [](const testing::TestParamInfo<TermCase>& info) {
                             return info.param.name;
                         });

TEST(TerminalOutput, TheCursorShowsAtTheEditFieldsCaret) {
    TerminalRun run(viewerCommand(129, {"--generic"}));
    ASSERT_TRUE(run.waitForText("Question 1"));
    run.type("abc");
    ASSERT_TRUE(run.waitForText("abc"));
    run.settledScreen();
    const auto typed = run.find("abc");
    ASSERT_TRUE(typed.has_value());
    const TerminalRun::Cursor cursor = run.cursor();
    EXPECT_TRUE(cursor.visible);
    EXPECT_EQ(cursor.x, typed->x + 3);
    EXPECT_EQ(cursor.y, typed->y);
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

}  // namespace
}  // namespace navisift_e2e
