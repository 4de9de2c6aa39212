// The system's own dialog classes in the viewer, in a real terminal: message
// boxes, the save dialog's whole run, the lists' wheel and keys, the clip, the splash.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/viewer_run.h"
#include "tests/support/terminal_run.h"

namespace navisift_e2e {
namespace {

namespace fs = std::filesystem;

bool hasLine(const Ending& ending, std::string_view line) {
    const std::vector<std::string> printed = printedLines(ending.output);
    return std::find(printed.begin(), printed.end(), line) != printed.end();
}

TEST(RealDialogs, TypingPastTheLimitShowsTheMessageBoxWithTheProgramsTitle) {
    TerminalRun run(viewerCommand(131));
    ASSERT_TRUE(run.waitForText("Question 3"));
    run.type(std::string(31, 'x'));
    ASSERT_TRUE(run.waitForText("Text Too Long!")) << run.screenText();
    EXPECT_NE(run.screenText().find("navisift-dialog-viewer"), std::string::npos)
        << "the caption is the program's name";
    run.keys({"Enter"});  // OK
    ASSERT_TRUE(run.waitForTextGone("Text Too Long!")) << run.screenText();
    EXPECT_NE(run.screenText().find(std::string(30, 'x')), std::string::npos);
    EXPECT_EQ(run.screenText().find(std::string(31, 'x')), std::string::npos);
    run.keys({"Escape"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_TRUE(hasLine(*ending, "ended 131 code 2"));
}

TEST(RealDialogs, TheFieldsVisibleWidthBoundsTypingBeforeTheLimit) {
    // Question 2 takes 60 characters, but its field is narrower than 60 cells.
    TerminalRun run(viewerCommand(130));
    ASSERT_TRUE(run.waitForText("Question 2"));
    run.type(std::string(60, 'y'));
    ASSERT_TRUE(run.waitForText("Text Too Long!")) << run.screenText();
    run.keys({"Enter"});
    ASSERT_TRUE(run.waitForTextGone("Text Too Long!"));
    const std::string screen = run.screenText();
    const std::size_t first = screen.find("yyyyyyyyyy");
    ASSERT_NE(first, std::string::npos);
    const std::size_t kept = screen.find_first_not_of('y', first) - first;
    EXPECT_GT(kept, 50u);
    EXPECT_LT(kept, 60u);
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

TEST(RealDialogs, SaveRunsTheWholeGenerationAndReportsFileSaved) {
    TerminalRun run(viewerCommand(142));
    ASSERT_TRUE(run.waitForText("Saving File..."));
    {
        std::ofstream answers(run.folder() / "questions.txt", std::ios::binary);
        answers << "www.example.com\n/\n_self\n";
        for (int page = 3; page <= 12; ++page)
            answers << "page" << page << ".html\n";
    }
    run.keys({"Enter"});  // Save
    ASSERT_TRUE(run.waitForText("File Saved")) << run.screenText();
    run.keys({"Enter"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << run.screenText();
    EXPECT_TRUE(hasLine(*ending, "ended 142 code 1"));
    EXPECT_TRUE(fs::exists(run.folder() / "nvoutput.htm"));
    EXPECT_FALSE(fs::exists(run.folder() / "questions.txt"));
}

TEST(RealDialogs, TheWheelScrollsTheListUnderThePointer) {
    TerminalRun run(viewerCommand(152));
    ASSERT_TRUE(run.waitForText("Netscape 2.0*"));
    EXPECT_EQ(run.screenText().find("WebTV 2.10*"), std::string::npos);
    const auto first = run.find("Netscape 2.0*");
    ASSERT_TRUE(first.has_value());
    for (int notch = 0; notch < 30; ++notch)
        run.sendBytes("\x1b[<65;" + std::to_string(first->x + 2) + ";" +
                      std::to_string(first->y + 1) + "M");
    EXPECT_TRUE(run.waitForText("WebTV 2.10*")) << run.screenText();
    EXPECT_NE(run.screenText().find("Internet Explorer 3.01*"), std::string::npos)
        << "the other list stays where it was";
    run.keys({"Enter"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_TRUE(hasLine(*ending, "ended 152 code 1"));
}

TEST(RealDialogs, TabAndTheTerminalsKeysReadBothListsWhole) {
    TerminalRun run(viewerCommand(152));
    ASSERT_TRUE(run.waitForText("Netscape 2.0*"));
    run.keys({"Tab", "End"});  // the left list
    EXPECT_TRUE(run.waitForText("WebTV 2.10*")) << run.screenText();
    run.keys({"Tab", "NPage", "NPage", "NPage"});  // the right list, a page at a time
    EXPECT_TRUE(run.waitForText("Opera 3.5b11%")) << run.screenText();
    EXPECT_TRUE(run.waitForTextGone("Internet Explorer 3.01*")) << run.screenText();
    run.keys({"Home"});
    EXPECT_TRUE(run.waitForText("Internet Explorer 3.01*")) << run.screenText();
    EXPECT_NE(run.screenText().find("WebTV 2.10*"), std::string::npos)
        << "the left list stays where it was";
    run.keys({"Enter"});  // OK, the default button, from inside a list
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_TRUE(hasLine(*ending, "ended 152 code 1"));
}

TEST(RealDialogs, TheClipPlaysWithoutInput) {
    TerminalRun run(viewerCommand(100));
    ASSERT_TRUE(run.waitForText("About..."));
    const std::string first = run.screenWithAttributes();
    // Two frames a second: within three seconds the picture must have moved on.
    EXPECT_TRUE(
        run.waitUntil([&](const std::string&) { return run.screenWithAttributes() != first; },
                      std::chrono::seconds(3)));
    run.keys({"Enter"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_TRUE(hasLine(*ending, "ended 100 code 2"));
}

TEST(RealDialogs, AClickAnywhereOnTheSplashEndsIt) {
    TerminalRun run(viewerCommand(204));
    ASSERT_TRUE(run.waitForText("Click To Continue"));
    const auto text = run.find("Click To Continue");
    ASSERT_TRUE(text.has_value());
    run.click(text->x + 5, text->y - 4);  // on the picture
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << run.screenText();
    EXPECT_TRUE(hasLine(*ending, "ended 204 code 1"));
}

}  // namespace
}  // namespace navisift_e2e
