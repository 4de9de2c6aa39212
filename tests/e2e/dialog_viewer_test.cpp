// The dialog viewer in a real 80 x 24 terminal: every dialog drawn as its
// snapshot shows, keys, mnemonics, clicks and pastes reaching the right
// controls, resizing, and the three colour depths.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "tests/e2e/viewer_run.h"
#include "tests/support/terminal_run.h"

namespace navisift_e2e {
namespace {

namespace fs = std::filesystem;

// The character rows of a layout snapshot (tests/terminal/snapshots).
std::vector<std::string> snapshotRows(int templateNumber) {
    std::ifstream in(fs::path(NAVISIFT_SOURCE_DIR) / "tests/terminal/snapshots" /
                     (std::to_string(templateNumber) + ".txt"));
    std::vector<std::string> rows;
    bool inCharacters = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "--- characters ---") {
            inCharacters = true;
            continue;
        }
        if (line == "--- looks ---")
            break;
        if (inCharacters)
            rows.push_back(trimmedRight(line.substr(1, line.size() - 2)));
    }
    return rows;
}

bool contains(const std::vector<std::string>& lines, std::string_view wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// ---------------------------------------------------------------------------
// Drawing

struct DrawingCase {
    int templateNumber;
    std::set<int> movingRows;  // rows of an animation, which change as it plays
};

void PrintTo(const DrawingCase& entry, std::ostream* out) {
    *out << entry.templateNumber;
}

class ViewerDrawingTest : public testing::TestWithParam<DrawingCase> {};

TEST_P(ViewerDrawingTest, TheTerminalShowsEveryCellOfTheSnapshot) {
    const std::vector<std::string> expected = snapshotRows(GetParam().templateNumber);
    ASSERT_EQ(expected.size(), 24u) << "snapshot missing";
    TerminalRun run(viewerCommand(GetParam().templateNumber));
    // The caption row is the first row that is not blank.
    const auto caption = std::find_if(expected.begin(), expected.end(),
                                      [](const std::string& row) { return !row.empty(); });
    ASSERT_NE(caption, expected.end());
    ASSERT_TRUE(run.waitForText(caption->substr(caption->find_first_not_of(' '))))
        << run.screenText();
    // The whole frame, not the first part of it that reached the terminal.
    std::istringstream settled(run.settledScreen());
    std::vector<std::string> shown;
    for (std::string row; std::getline(settled, row);)
        shown.push_back(row);
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        if (GetParam().movingRows.count(static_cast<int>(row)) != 0)
            continue;
        EXPECT_EQ(trimmedRight(shown[row]), expected[row]) << "row " << row;
    }
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Templates, ViewerDrawingTest,
    testing::Values(DrawingCase{102, {}}, DrawingCase{204, {}}, DrawingCase{129, {}},
                    DrawingCase{130, {}}, DrawingCase{140, {}}, DrawingCase{131, {}},
                    DrawingCase{132, {}}, DrawingCase{133, {}}, DrawingCase{217, {}},
                    DrawingCase{134, {}}, DrawingCase{135, {}}, DrawingCase{138, {}},
                    DrawingCase{137, {}}, DrawingCase{136, {}}, DrawingCase{141, {}},
                    DrawingCase{142, {}}, DrawingCase{152, {}}, DrawingCase{100, {5, 6, 7, 8, 9}}),
    [](const testing::TestParamInfo<DrawingCase>& info) {
        return "Template" + std::to_string(info.param.templateNumber);
    });

// ---------------------------------------------------------------------------
// Input: each case acts on a dialog and reads what the viewer printed at the end.

struct InputCase {
    const char* name;
    int templateNumber;
    std::function<void(TerminalRun&)> act;
    std::vector<std::string> printed;  // lines that must be among the printed ones
    int exitCode = 0;
};

void PrintTo(const InputCase& entry, std::ostream* out) {
    *out << entry.name;
}

// Clicks the middle of the first place where the text shows.
void clickOn(TerminalRun& run, std::string_view text) {
    const auto place = run.find(text);
    if (!place)
        throw std::runtime_error("not on the screen: " + std::string(text));
    const auto characters = std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    });
    run.click(place->x + static_cast<int>(characters) / 2, place->y);
}

void waitFor(TerminalRun& run, std::string_view text) {
    if (!run.waitForText(text))
        throw std::runtime_error("never shown: " + std::string(text));
}

class ViewerInputTest : public testing::TestWithParam<InputCase> {};

TEST_P(ViewerInputTest, ReachesTheRightControl) {
    const InputCase& entry = GetParam();
    TerminalRun run(viewerCommand(entry.templateNumber, {"--generic"}));
    ASSERT_TRUE(run.waitForText("Question")) << run.screenText();
    entry.act(run);
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value()) << "still running:\n" << run.screenText();
    const std::vector<std::string> printed = printedLines(ending->output);
    for (const std::string& line : entry.printed)
        EXPECT_TRUE(contains(printed, line)) << line << " not in:\n" << joined(printed);
    EXPECT_EQ(ending->exitCode, entry.exitCode);
}

const std::string fiftyCharacters = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMN";

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ViewerInputTest,
    testing::Values(
        InputCase{"TypingAndEditingKeys",
                  129,
                  [](TerminalRun& run) {
                      run.type("abcdé中");  // the last has no Windows-1252 byte: refused
                      run.keys({"Left", "Left", "BSpace", "Home", "Delete", "End"});
                      run.type("X");
                      run.keys({"Enter"});
                  },
                  {"ended 129 code 1", "answer [bdéX]"}},
        InputCase{"EscapeCancelsWithoutExchange",
                  129,
                  [](TerminalRun& run) {
                      run.type("typed");
                      run.keys({"Escape"});
                  },
                  {"ended 129 code 2", "answer []"}},
        InputCase{"AltLetterPressesTheMnemonic",
                  129,
                  [](TerminalRun& run) {
                      run.type("www.example.org");
                      run.keys({"M-n"});
                  },
                  {"command 1 code 0 in 129", "ended 129 code 1", "answer [www.example.org]"}},
        InputCase{"AltWithShiftPressesTheMnemonicToo",
                  129,
                  [](TerminalRun& run) { run.keys({"M-N"}); },
                  {"command 1 code 0 in 129", "ended 129 code 1"}},
        InputCase{"TabAndSpaceTickTheCheckBox",
                  130,
                  [](TerminalRun& run) {
                      run.keys({"Tab", "Space"});
                      waitFor(run, "[X]");
                      run.keys({"Enter"});
                  },
                  {"command 1002 code 0 in 130", "ended 130 code 1", "checked 1"}},
        InputCase{"ShiftTabWrapsToAboutWhichTheApplicationOpens",
                  130,
                  [](TerminalRun& run) {
                      run.keys({"BTab", "Space"});
                      waitFor(run, "About...");
                      run.keys({"Escape"});
                      waitFor(run, "Question 2");
                      run.keys({"Escape"});
                  },
                  {"application command 57664", "ended 100 code 2", "ended 130 code 2"}},
        InputCase{"F1IsTheHelpCommand",
                  129,
                  [](TerminalRun& run) {
                      run.keys({"F1", "Escape"});
                  },
                  {"application command 57670", "ended 129 code 2"}},
        InputCase{"AltSpaceOpensTheSystemMenu",
                  129,
                  [](TerminalRun& run) {
                      run.keys({"M-Space"});
                      waitFor(run, "Close");
                      run.keys({"Escape"});
                      if (!run.waitForTextGone("Close"))
                          throw std::runtime_error("the menu stayed open");
                      run.keys({"Escape"});
                  },
                  {"ended 129 code 2"}},
        InputCase{
            "AltQIsQuitWhichEndsAtOnce", 129, [](TerminalRun& run) { run.keys({"M-q"}); }, {}, 1}),
    [](const testing::TestParamInfo<InputCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Mouse, ViewerInputTest,
    testing::Values(
        InputCase{"ClickOnTheDefaultButton",
                  129,
                  [](TerminalRun& run) { clickOn(run, "Next"); },
                  {"command 1 code 0 in 129", "ended 129 code 1"}},
        InputCase{"ClickOnTheCloseBox",
                  129,
                  [](TerminalRun& run) { clickOn(run, "×"); },
                  {"ended 129 code 2"}},
        InputCase{"ClickOnTheCheckBox",
                  130,
                  [](TerminalRun& run) {
                      clickOn(run, "Is the Script");
                      waitFor(run, "[X]");
                      run.keys({"M-n"});
                  },
                  {"command 1002 code 0 in 130", "checked 1"}},
        InputCase{"ReleaseAwayFromTheButtonIsNoClick",
                  129,
                  [](TerminalRun& run) {
                      const auto next = run.find("Next");
                      if (!next)
                          throw std::runtime_error("no Next");
                      run.mouse(true, next->x + 1, next->y);
                      run.mouse(false, 0, 0);
                      run.keys({"Escape"});
                  },
                  {"ended 129 code 2"}},
        InputCase{"SystemMenuBoxThenClose",
                  129,
                  [](TerminalRun& run) {
                      clickOn(run, "≡");
                      waitFor(run, "Close");
                      clickOn(run, "Close");
                  },
                  {"ended 129 code 2"}},
        InputCase{"MinimiseBoxAndTheTileRestores",
                  129,
                  [](TerminalRun& run) {
                      const auto boxes = run.find("_ ×");
                      if (!boxes)
                          throw std::runtime_error("no minimise box");
                      run.click(boxes->x, boxes->y);
                      if (!run.waitForTextGone("What is your site's address?"))
                          throw std::runtime_error("still shown");
                      clickOn(run, "Question 1");  // the minimised tile brings it back
                      waitFor(run, "What is your site's address?");
                      run.keys({"Escape"});
                  },
                  {"ended 129 code 2"}},
        InputCase{
            "ClickOnQuitEndsAtOnce", 129, [](TerminalRun& run) { clickOn(run, "Quit"); }, {}, 1}),
    [](const testing::TestParamInfo<InputCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Paste, ViewerInputTest,
    testing::Values(InputCase{"BracketedPasteIntoTheAnswerField",
                              129,
                              [](TerminalRun& run) {
                                  run.paste("www.wörld.€");
                                  waitFor(run, "www.wörld.€");  // shown as typed, in UTF-8
                                  run.keys({"Enter"});
                              },
                              {"answer [www.wörld.€]"}},
                    InputCase{"PasteDropsCharactersWithoutByte",
                              129,
                              [](TerminalRun& run) {
                                  run.paste("a中b😀c");
                                  run.keys({"Enter"});
                              },
                              {"answer [abc]"}},
                    InputCase{"PastePastTheLimitIsCutAndReported",
                              131,
                              [](TerminalRun& run) {
                                  run.paste(fiftyCharacters);
                                  run.keys({"Enter"});
                              },
                              {"command 1001 code 1281 in 131",
                               "answer [" + fiftyCharacters.substr(0, 30) + "]"}}),
    [](const testing::TestParamInfo<InputCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Resizing

struct TerminalSize {
    int width = 0;
    int height = 0;
};

// Resizes the terminal and waits until Question 1's caption has moved by (dx, dy).
bool captionMovesOnResize(TerminalRun& run, TerminalSize size, int dx, int dy) {
    const auto before = run.find("≡ Question 1");
    if (!before)
        return false;
    run.resize(size.width, size.height);
    return run.waitUntil([&](const std::string&) {
        const auto now = run.find("≡ Question 1");
        return now && now->x == before->x + dx && now->y == before->y + dy;
    });
}

TEST(ViewerResize, ALargerTerminalRecentresTheDialog) {
    TerminalRun run(viewerCommand(129));
    ASSERT_TRUE(run.waitForText("Question 1"));
    EXPECT_TRUE(captionMovesOnResize(run, {100, 30}, 10, 3)) << run.screenText();
    run.keys({"Escape"});
    EXPECT_TRUE(run.waitForEnd().has_value());
}

TEST(ViewerResize, ATerminalSmallerThanTheLayoutStillShowsADialogThatFits) {
    TerminalRun run(viewerCommand(129, {"--generic"}));
    ASSERT_TRUE(run.waitForText("Question 1"));
    // The 64 x 14 window, centred in 70 x 16: the view starts at (5, 4).
    ASSERT_TRUE(captionMovesOnResize(run, {70, 16}, -5, -4)) << run.screenText();
    run.type("abc");
    ASSERT_TRUE(run.waitForText("abc")) << run.screenText();
    clickOn(run, "Next");  // lands on the button only if the click is moved back by (5, 4)
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    const auto lines = printedLines(ending->output);
    EXPECT_TRUE(contains(lines, "command 1 code 0 in 129")) << ending->output;
    EXPECT_TRUE(contains(lines, "answer [abc]")) << ending->output;
}

TEST(ViewerResize, ATerminalSmallerThanTheDialogAsksForRoomAndIgnoresInputUntilItGrows) {
    TerminalRun run(viewerCommand(129, {"--generic"}));
    ASSERT_TRUE(run.waitForText("Question 1"));
    const std::string before = run.screenText();

    run.resize(60, 20);
    ASSERT_TRUE(run.waitForText("The terminal is too small.")) << run.screenText();
    EXPECT_TRUE(run.waitForText("It needs 64 x 14, it has 60 x 20.")) << run.screenText();
    EXPECT_TRUE(run.waitForText("or press Ctrl+C to end.")) << run.screenText();
    run.type("ignored");  // nothing may act on a dialog nobody sees
    run.keys({"Enter", "Escape"});
    // Read while the notice still shows (Esc alone takes a moment to be told
    // from a sequence): neither Enter nor Esc ends anything.
    EXPECT_NE(run.settledScreen().find("or press Ctrl+C to end."), std::string::npos);
    run.resize(80, 24);
    ASSERT_TRUE(run.waitForText("Question 1")) << run.screenText();
    EXPECT_EQ(run.settledScreen(), before);
    run.keys({"Enter"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_TRUE(contains(printedLines(ending->output), "answer []"));
}

// ---------------------------------------------------------------------------
// Colours, and a terminal without Unicode

enum class Palette { none, eight, full256 };

// The colour parameters of every SGR sequence in a capture with attributes:
// none, only the eight basic ones (30..37, 40..47), or the 256 (38;5 and 48;5).
Palette paletteUsed(const std::string& cells) {
    Palette used = Palette::none;
    const std::regex sequence("\x1b\\[([0-9;]*)m");
    for (auto it = std::sregex_iterator(cells.begin(), cells.end(), sequence);
         it != std::sregex_iterator(); ++it) {
        std::istringstream parameters((*it)[1].str());
        for (std::string parameter; std::getline(parameters, parameter, ';');) {
            if (parameter.empty())
                continue;
            const int value = std::stoi(parameter);
            if (value == 38 || value == 48)
                return Palette::full256;
            if ((value >= 30 && value <= 37) || (value >= 40 && value <= 47))
                used = Palette::eight;
        }
    }
    return used;
}

struct DepthCase {
    const char* name;
    std::string term;
    std::string locale;
    Palette palette;
    std::vector<std::string> attributes;  // in the pane's cells as tmux reports them
    std::vector<std::string> textPresent;
    std::vector<std::string> textAbsent;
};

void PrintTo(const DepthCase& entry, std::ostream* out) {
    *out << entry.name;
}

class ViewerDepthTest : public testing::TestWithParam<DepthCase> {};

TEST_P(ViewerDepthTest, EveryDialogStaysReadable) {
    const DepthCase& entry = GetParam();
    TerminalRun run(viewerCommand(129), {.term = entry.term, .locale = entry.locale});
    ASSERT_TRUE(run.waitForText("Question 1")) << run.screenText();
    const std::string cells = run.screenWithAttributes();
    const std::string text = run.screenText();
    EXPECT_EQ(paletteUsed(cells), entry.palette);
    for (const std::string& wanted : entry.attributes)
        EXPECT_NE(cells.find(wanted), std::string::npos) << "missing " << wanted;
    for (const std::string& wanted : entry.textPresent)
        EXPECT_NE(text.find(wanted), std::string::npos) << "missing " << wanted << " in\n" << text;
    for (const std::string& unwanted : entry.textAbsent)
        EXPECT_EQ(text.find(unwanted), std::string::npos) << "unexpected " << unwanted;
    for (const char* words : {"What is your site's address?", "Next", "Quit", "About"})
        EXPECT_NE(text.find(words), std::string::npos) << words;
    run.keys({"Escape"});
    const auto ending = run.waitForEnd();
    ASSERT_TRUE(ending.has_value());
    EXPECT_EQ(ending->sttyAfter, ending->sttyBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Terminals, ViewerDepthTest,
    testing::Values(
        // Desktop teal 30, button face 250 and caption navy 18 of the xterm palette.
        DepthCase{"Colours256",
                  "xterm-256color",
                  "C.UTF-8",
                  Palette::full256,
                  {"48;5;30", "48;5;250", "48;5;18"},
                  {"└────"},
                  {}},
        // Cyan desktop, white face, blue caption.
        DepthCase{"Colours8", "xterm", "C.UTF-8", Palette::eight, {"46m", "47m", "44m"}, {}, {}},
        // No colour at all: reverse video marks the caption and the desktop.
        DepthCase{"Monochrome", "vt100", "C.UTF-8", Palette::none, {"\x1b[7m"}, {}, {}},
        // A locale without Unicode: the frame in plain ASCII.
        DepthCase{"AsciiWithoutUnicodeLocale",
                  "xterm-256color",
                  "C",
                  Palette::full256,
                  {},
                  {"+-----", "= Question 1", " x"},
                  {"─", "│", "≡", "×"}}),
    [](const testing::TestParamInfo<DepthCase>& info) { return info.param.name; });

}  // namespace
}  // namespace navisift_e2e
