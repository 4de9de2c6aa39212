// The real navisift in a real terminal (tmux, 80 x 24), used as a person would: keys and clicks in,
// the screen's text and the files of a fresh working directory out.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/terminal_run.h"

namespace {

namespace fs = std::filesystem;
using navisift_e2e::Ending;
using navisift_e2e::TerminalRun;
using namespace std::chrono_literals;

const fs::path program = fs::path(NAVISIFT_BINARY_DIR) / "bin" / "navisift";
const fs::path expectedPages = fs::path(NAVISIFT_SOURCE_DIR) / "tests";

constexpr std::string_view splashText = "Click To Continue";
constexpr std::string_view mainDialogText = "Press Start To Continue.";

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One answer per question, in the order they are asked.
struct Answer {
    std::string caption;
    std::string text;
};

// Questions 3 to 12 of the pages in tests/app/expected/self_target.htm (no frame) and
// tests/generator/expected/ordinary.htm (frame "content").
const std::vector<Answer> pageAnswers{
    {"Question 3", "netscape2.html"}, {"Question 4", "netscape3.html"},
    {"Question 5", "netscape4.html"}, {"Question 6", "netscape45.html"},
    {"Question 7", "explorer3.html"}, {"Question 8", "explorer4.html"},
    {"Question 9", "explorer5.html"}, {"Question 10", "aol3.html"},
    {"Question 11", "aol4.html"},     {"Question 12", "webtv.html"},
};

class NavisiftInTerminal : public testing::Test {
  protected:
    void SetUp() override {
        // tools/setup.sh installs tmux; without it these runs would prove nothing.
        ASSERT_TRUE(navisift_e2e::tmuxAvailable()) << "tmux is not installed";
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold slashes
        folder = fs::path(NAVISIFT_BINARY_DIR) / "app-e2e-work" / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        if (HasFailure() && terminal) {
            std::cerr << "The screen at the failure:\n" << safeScreen() << '\n';
        }
        terminal.reset();
        if (!HasFailure())
            fs::remove_all(folder);
    }

    std::string safeScreen() const { return terminal->screenTextForReport(); }

    // Runs the command in the test's own folder; the driver keeps its files elsewhere.
    void startCommand(const std::vector<std::string>& command) {
        terminal.emplace(command, navisift_e2e::TerminalOptions{.workingDirectory = folder});
    }
    void start(const fs::path& programPath = program) { startCommand({programPath.string()}); }

    // One key by tmux's name: "Enter", "Escape", "M-q".
    void press(const std::string& key) { terminal->keys({key}); }

    void expectText(std::string_view text) {
        ASSERT_TRUE(terminal->waitForText(text)) << "never shown: " << text << "\n" << safeScreen();
    }

    // A question's caption, not a longer one that starts the same ("Question 1" is not
    // "Question 12").
    void expectCaption(const std::string& caption) {
        const std::regex exact(std::regex_replace(caption, std::regex(R"([.?])"), R"(\$&)") +
                               "([^0-9-]|$)");
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!std::regex_search(safeScreen(), exact)) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline)
                << "never shown: " << caption << "\n"
                << safeScreen();
            std::this_thread::sleep_for(50ms);
        }
    }

    // From the start of the program to the main dialog.
    void pastSplash() {
        expectText(splashText);
        press("Enter");
        expectText(mainDialogText);
    }

    void answer(const Answer& answer) {
        expectCaption(answer.caption);
        terminal->type(answer.text);
        press("Enter");
    }

    // Start, then Questions 1 and 2 with the frame box left as it is.
    void startAndAnswerSiteAndBase() {
        pastSplash();
        press("Enter");  // Start is the default button
        answer({"Question 1", "www.example.org"});
        answer({"Question 2", "/authors/jane/"});
    }

    void answerPages(std::size_t count = pageAnswers.size()) {
        for (std::size_t i = 0; i < count; ++i)
            answer(pageAnswers[i]);
    }

    // Save on the save dialog, then the "File Saved" box dismissed.
    void saveAndDismiss() {
        expectText("Saving File...");
        press("Enter");
        expectText("File Saved");
        press("Enter");
    }

    // A left click on the first place the screen shows `text`, `offset` cells into it (the
    // second letter by default, well inside a button's label).
    void clickOn(std::string_view text, int offset = 1) {
        const auto at = terminal->find(text);
        ASSERT_TRUE(at.has_value()) << "nowhere to click: " << text << "\n" << safeScreen();
        terminal->click(at->x + offset, at->y);
    }

    // Waits for the end; whichever way the program ended, it gave the terminal back as it was.
    int exitCode() {
        const std::optional<Ending> ending = terminal->waitForEnd();
        EXPECT_TRUE(ending.has_value()) << "still running:\n" << safeScreen();
        if (!ending)
            return -1;
        EXPECT_NE(ending->sttyBefore, "") << "stty saw no terminal";
        EXPECT_EQ(ending->sttyAfter, ending->sttyBefore)
            << "the terminal's modes were not restored";
        return ending->exitCode;
    }

    bool exists(std::string_view name) const { return fs::exists(folder / name); }
    std::string file(std::string_view name) const { return contents(folder / name); }
    void writeFile(std::string_view name, std::string_view text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    fs::path folder;
    std::optional<TerminalRun> terminal;
};

TEST_F(NavisiftInTerminal, FullRunWritesThePageAndEndsNormally) {
    start();
    startAndAnswerSiteAndBase();
    answerPages();
    saveAndDismiss();
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("nvoutput.htm"), contents(expectedPages / "app/expected/self_target.htm"));
    EXPECT_FALSE(exists("questions.txt"));
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
}

TEST_F(NavisiftInTerminal, FrameBranchAsksForTheFrameName) {
    start();
    pastSplash();
    press("Enter");
    answer({"Question 1", "www.example.org"});
    expectCaption("Question 2");
    terminal->type("/authors/jane/");
    press("Tab");    // to the frame box
    press("Space");  // ticked
    press("Enter");  // Next, the default button
    answer({"Question 2-2", "content"});
    answerPages();
    saveAndDismiss();
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("nvoutput.htm"), contents(expectedPages / "generator/expected/ordinary.htm"));
    EXPECT_FALSE(exists("questions.txt"));
}

TEST_F(NavisiftInTerminal, TheWholeProgramByMouse) {
    start();
    expectText(splashText);
    clickOn(splashText);
    expectText(mainDialogText);
    clickOn("Start");
    const auto answerAndClickNext = [&](const Answer& answer) {
        expectCaption(answer.caption);
        terminal->type(answer.text);
        clickOn("Next");
    };
    answerAndClickNext({"Question 1", "www.example.org"});
    expectCaption("Question 2");
    terminal->type("/authors/jane/");
    clickOn("Is the Script Loaded in a Frame?");
    clickOn("Next");
    answerAndClickNext({"Question 2-2", "content"});
    for (const Answer& answer : pageAnswers)
        answerAndClickNext(answer);
    expectText("Saving File...");
    clickOn("Save...");
    expectText("File Saved");
    clickOn("OK");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("nvoutput.htm"), contents(expectedPages / "generator/expected/ordinary.htm"));
    EXPECT_FALSE(exists("questions.txt"));
}

TEST_F(NavisiftInTerminal, QuitOnTheMainDialogExitsWithOneAndRemovesLeftoverAnswers) {
    writeFile("questions.txt", "www.left.over\n/\n_self\n");
    start();
    pastSplash();
    press("M-q");
    EXPECT_EQ(exitCode(), 1);
    EXPECT_FALSE(exists("questions.txt"));
    EXPECT_FALSE(exists("nvoutput.htm"));
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
}

TEST_F(NavisiftInTerminal, QuitOnQuestionSevenThrowsTheAnswersAway) {
    start();
    startAndAnswerSiteAndBase();
    answerPages(4);  // Questions 3 to 6
    expectCaption("Question 7");
    press("M-q");
    EXPECT_EQ(exitCode(), 1);
    EXPECT_FALSE(exists("questions.txt"));
    EXPECT_FALSE(exists("nvoutput.htm"));
}

TEST_F(NavisiftInTerminal, QuitByMouseOnAQuestion) {
    start();
    pastSplash();
    press("Enter");
    answer({"Question 1", "www.example.org"});
    expectCaption("Question 2");
    const auto quit = terminal->find("Quit");
    ASSERT_TRUE(quit.has_value()) << safeScreen();
    terminal->click(quit->x + 1, quit->y);
    EXPECT_EQ(exitCode(), 1);
    EXPECT_FALSE(exists("questions.txt"));
}

TEST_F(NavisiftInTerminal, EscOnTheMainDialogEndsNormallyAndLeavesLeftoverAnswers) {
    const std::string leftover = "www.left.over\n/\n_self\n";
    writeFile("questions.txt", leftover);
    start();
    pastSplash();
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("questions.txt"), leftover);
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
    EXPECT_FALSE(exists("nvoutput.htm"));
}

TEST_F(NavisiftInTerminal, EscOnQuestionFourKeepsTheLinesWrittenSoFar) {
    start();
    startAndAnswerSiteAndBase();
    answerPages(1);  // Question 3
    expectCaption("Question 4");
    terminal->type("not written");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("questions.txt"), "www.example.org\n/authors/jane/\n_self\nnetscape2.html\n");
    EXPECT_FALSE(exists("nvoutput.htm"));
}

TEST_F(NavisiftInTerminal, EscOnTheSaveDialogWritesNothing) {
    start();
    startAndAnswerSiteAndBase();
    answerPages();
    expectText("Saving File...");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    const std::string answers = file("questions.txt");
    EXPECT_EQ(std::count(answers.begin(), answers.end(), '\n'), 13);
    EXPECT_FALSE(exists("nvoutput.htm"));
}

TEST_F(NavisiftInTerminal, TheAnswerFieldSelectsCutsPastesAndUndoes) {
    start();
    pastSplash();
    press("Enter");
    expectCaption("Question 1");
    terminal->type("site.test.org");
    terminal->keys({"S-Left", "S-Left", "S-Left", "S-Left"});
    ASSERT_TRUE(terminal->waitUntil([&](const std::string&) {
        return terminal->screenWithAttributes().find("\x1b[7m.org") != std::string::npos;
    })) << "the selection does not show reversed";
    terminal->keys({"C-x", "Home", "C-v"});
    expectText(".orgsite.test ");
    terminal->keys({"C-z"});
    ASSERT_TRUE(terminal->waitForTextGone(".org"));
    terminal->keys({"C-a", "C-c", "End", "C-v"});
    expectText("site.testsite.test");
    // A drag over the second "site", and typing replaces it.
    const auto field = terminal->find("site.testsite.test");
    ASSERT_TRUE(field.has_value());
    terminal->mouse(true, field->x + 9, field->y);
    // Moved with the button held (motion report 32; SGR counts cells from 1).
    terminal->sendBytes("\x1b[<32;" + std::to_string(field->x + 11 + 1) + ";" +
                        std::to_string(field->y + 1) + "M");
    terminal->mouse(false, field->x + 13, field->y);
    terminal->type("+");
    expectText("site.test+.test");
    press("Enter");
    expectCaption("Question 2");
    press("Escape");

    const std::optional<Ending> ending = terminal->waitForEnd();
    ASSERT_TRUE(ending.has_value()) << safeScreen();
    EXPECT_EQ(ending->exitCode, 0);
    EXPECT_EQ(file("questions.txt"), "site.test+.test\n");
    // Cut and Copy reached the terminal's clipboard too: ".org", then "site.test".
    EXPECT_NE(ending->output.find("\x1b]52;c;Lm9yZw==\x07"), std::string::npos);
    EXPECT_NE(ending->output.find("\x1b]52;c;c2l0ZS50ZXN0\x07"), std::string::npos);
}

TEST_F(NavisiftInTerminal, ALongerVersionStampIsCutToSixBytes) {
    writeFile("config.cfg", "V0.9B1 with settings of an older version\n");
    start();
    pastSplash();
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
}

TEST_F(NavisiftInTerminal, TheStampIsWrittenOnlyOnceTheSplashIsGone) {
    start();
    expectText(splashText);
    EXPECT_FALSE(exists("config.cfg"));
    press("Enter");
    expectText(mainDialogText);
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
}

// Each way of leaving the splash: Esc, and clicks on the picture and on the text.
struct SplashExit {
    std::string name;
    std::optional<std::string> key;
    int rowsAboveText = 0;  // for a click: 0 is the text itself, more is the picture above it
};

void PrintTo(const SplashExit& c, std::ostream* os) {
    *os << c.name;
}

class SplashIsDismissed : public NavisiftInTerminal,
                          public testing::WithParamInterface<SplashExit> {};

TEST_P(SplashIsDismissed, AndTheMainDialogFollows) {
    const SplashExit& exit = GetParam();
    start();
    expectText(splashText);
    if (exit.key) {
        press(*exit.key);
    } else {
        const auto text = terminal->find(splashText);
        ASSERT_TRUE(text.has_value());
        terminal->click(text->x + 5, text->y - exit.rowsAboveText);
    }
    expectText(mainDialogText);
    EXPECT_EQ(file("config.cfg"), "V1.0B7");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, SplashIsDismissed,
                         testing::Values(SplashExit{"Escape", "Escape", 0},
                                         SplashExit{"ClickOnText", std::nullopt, 0},
                                         SplashExit{"ClickOnPicture", std::nullopt, 4}),
                         [](const auto& info) { return info.param.name; });

// "Text Too Long!" carries the program file's name as its caption, whatever the program is
// called.
struct TitleCase {
    std::string name;
    enum { itself, symlink, copy } how;
    std::string fileName;  // of the link or the copy
    std::string title;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.name;
}

class TextTooLong : public NavisiftInTerminal, public testing::WithParamInterface<TitleCase> {};

TEST_P(TextTooLong, HasTheProgramsNameAsCaption) {
    const TitleCase& c = GetParam();
    switch (c.how) {
        case TitleCase::itself:
            start();
            break;
        case TitleCase::symlink:
            fs::create_symlink(program, folder / c.fileName);
            start(folder / c.fileName);
            break;
        case TitleCase::copy:
            fs::copy_file(program, folder / c.fileName);
            start(folder / c.fileName);
            break;
    }
    pastSplash();
    press("Enter");
    expectCaption("Question 1");
    terminal->type(std::string(40, 'a'));
    EXPECT_FALSE(terminal->waitForText("Text Too Long!", 300ms)) << "40 characters fit";
    terminal->type("b");
    expectText("Text Too Long!");
    const auto message = terminal->find("Text Too Long!");
    ASSERT_TRUE(message.has_value());
    bool captionAbove = false;
    const std::vector<std::string> rows = terminal->screen();
    for (int y = 0; y < static_cast<int>(rows.size()) && y < message->y; ++y) {
        captionAbove = captionAbove || rows[y].find(c.title) != std::string::npos;
    }
    EXPECT_TRUE(captionAbove) << "caption " << c.title << " missing:\n" << safeScreen();
    press("Enter");
    ASSERT_TRUE(terminal->waitForTextGone("Text Too Long!"));
    expectText(std::string(40, 'a'));
    EXPECT_EQ(terminal->screenText().find(std::string(40, 'a') + "b"), std::string::npos);
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_FALSE(exists("questions.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextTooLong,
    testing::Values(TitleCase{"Program", TitleCase::itself, "", "navisift"},
                    TitleCase{"Symlink", TitleCase::symlink, "pagewizard", "pagewizard"},
                    TitleCase{"SymlinkWithExtension", TitleCase::symlink, "site-tool.run",
                              "site-tool"},
                    TitleCase{"Copy", TitleCase::copy, "Wizard Copy", "Wizard Copy"}),
    [](const auto& info) { return info.param.name; });

TEST_F(NavisiftInTerminal, AboutFromTheSystemMenu) {
    start();
    pastSplash();
    press("M-Space");
    expectText("About Navisift?...");
    const auto item = terminal->find("About Navisift?...");
    ASSERT_TRUE(item.has_value());
    terminal->click(item->x + 2, item->y);
    expectText("About...");
    press("Enter");
    ASSERT_TRUE(terminal->waitForTextGone("About..."));
    expectText(mainDialogText);
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
}

TEST_F(NavisiftInTerminal, MinimisedTheMainDialogShowsItsIconTileUntilRestored) {
    start();
    pastSplash();
    // The minimise box is the "_" in the caption bar, the first row that shows the title.
    const auto caption = terminal->find("Navisift? HTML Creator");
    ASSERT_TRUE(caption.has_value());
    const auto minimiseBox = terminal->findOnRow("_", caption->y);
    ASSERT_TRUE(minimiseBox.has_value()) << safeScreen();
    terminal->click(minimiseBox->x, minimiseBox->y);
    ASSERT_TRUE(terminal->waitForTextGone(mainDialogText)) << safeScreen();
    const auto tile = terminal->find("Navisift?");
    ASSERT_TRUE(tile.has_value()) << safeScreen();
    EXPECT_GT(tile->y, 12) << "the tile sits at the bottom of the screen";
    press("Enter");  // restores
    expectText(mainDialogText);
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
}

TEST_F(NavisiftInTerminal, AboutFromAQuestionReturnsToItWithItsText) {
    start();
    pastSplash();
    press("Enter");
    expectCaption("Question 1");
    terminal->type("www.half.typed");
    press("M-a");
    expectText("About...");
    press("Escape");
    ASSERT_TRUE(terminal->waitForTextGone("About..."));
    expectCaption("Question 1");
    expectText("www.half.typed");
    terminal->type(".example");
    press("Enter");
    expectCaption("Question 2");
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_EQ(file("questions.txt"), "www.half.typed.example\n");
}

TEST_F(NavisiftInTerminal, BrowsersListsTheBrowsersAndReturns) {
    start();
    pastSplash();
    press("M-b");
    expectText("Browsers Supported:");
    expectText("LEGEND");
    press("Enter");
    ASSERT_TRUE(terminal->waitForTextGone("Browsers Supported:"));
    expectText(mainDialogText);
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
}

// F1 shows the help over whichever dialog is open, and closing it goes back there.
struct HelpPlace {
    std::string name;
    bool onQuestion = false;
};

void PrintTo(const HelpPlace& c, std::ostream* os) {
    *os << c.name;
}

class HelpKey : public NavisiftInTerminal, public testing::WithParamInterface<HelpPlace> {};

TEST_P(HelpKey, ShowsTheHelpAndReturns) {
    start();
    pastSplash();
    if (GetParam().onQuestion) {
        press("Enter");
        expectCaption("Question 1");
        terminal->type("www.example.org");
    }
    press("F1");
    expectText("This wizard writes nvoutput.htm");
    press("Enter");
    ASSERT_TRUE(terminal->waitForTextGone("This wizard writes nvoutput.htm"));
    if (GetParam().onQuestion) {
        expectCaption("Question 1");
        expectText("www.example.org");
    } else {
        expectText(mainDialogText);
    }
    press("Escape");
    EXPECT_EQ(exitCode(), 0);
    EXPECT_FALSE(exists("questions.txt"));
}

INSTANTIATE_TEST_SUITE_P(Places, HelpKey,
                         testing::Values(HelpPlace{"MainDialog", false},
                                         HelpPlace{"Question", true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(NavisiftInTerminal, StandardOutputNotATerminalIsRefused) {
    // In a terminal, but with the output sent to a file.
    startCommand({"sh", "-c", "'" + program.string() + "' >out.txt"});
    EXPECT_EQ(exitCode(), 2);
    EXPECT_EQ(file("out.txt"), "");
    EXPECT_FALSE(exists("config.cfg"));
}

}  // namespace
