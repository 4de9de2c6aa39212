// The supported browsers dialog: its two lists, its legend and its ways out.

#include <functional>

#include "info/browsers_dlg.h"
#include "tests/info/info_fixture.h"
#include "ui/controls/list_box.h"

namespace {

using ui::Key;
using BrowsersDialogTest = InfoDialogTest;

constexpr int leftList = 1023;
constexpr int rightList = 1022;

struct Entry {
    int list;
    std::string_view browser;
    std::string_view marks;
};

// Both lists in the order they are filled, each entry split into the browser and
// its marks: "*" never tested, "!" 4.01 and 4.01A alike, "%" alike with Netscape 3.0.
constexpr Entry expectedEntries[] = {
    {leftList, "Netscape 2.0", "*"},
    {leftList, "Netscape 2.02", "*"},
    {leftList, "Netscape 3.0", ""},
    {leftList, "Netscape 3.01", ""},
    {leftList, "Netscape 3.03", ""},
    {leftList, "Netscape 3.04", ""},
    {leftList, "Netscape 4.0b1", "*"},
    {leftList, "Netscape 4.0b2", "*"},
    {leftList, "Netscape 4.0b3", "*"},
    {leftList, "Netscape 4.0b4", ""},
    {leftList, "Netscape 4.0b5", ""},
    {leftList, "Netscape 4.0", "*"},
    {leftList, "Netscape 4.01", "!"},
    {leftList, "Netscape 4.01A", "!"},
    {leftList, "Netscape 4.02", ""},
    {leftList, "Netscape 4.03", ""},
    {leftList, "Netscape 4.04", ""},
    {leftList, "Netscape 4.05", ""},
    {leftList, "Netscape 4.06", ""},
    {leftList, "Netscape 4.07", ""},
    {leftList, "Netscape 4.08", ""},
    {leftList, "Netscape 4.5b1", ""},
    {leftList, "Netscape 4.5b2", ""},
    {leftList, "Netscape 4.5", ""},
    {leftList, "AOL 3.0 (With IE)", "*"},
    {leftList, "AOL 4.0b2", "*"},
    {leftList, "WebTV 2.10", "*"},
    {rightList, "Internet Explorer 3.01", "*"},
    {rightList, "Internet Explorer 3.02", ""},
    {rightList, "Internet Explorer 3.03", ""},
    {rightList, "Internet Explorer 4.0", ""},
    {rightList, "Internet Explorer 4.01", ""},
    {rightList, "Internet Explorer 5.0b1", ""},
    {rightList, "Internet Explorer 5.0b2", ""},
    {rightList, "Opera 3.0", "*%"},
    {rightList, "Opera 3.10", "%"},
    {rightList, "Opera 3.20", "%"},
    {rightList, "Opera 3.21", "%"},
    {rightList, "Opera 3.5b1", "*%"},
    {rightList, "Opera 3.5b2", "*%"},
    {rightList, "Opera 3.5b3", "*%"},
    {rightList, "Opera 3.5b4", "*%"},
    {rightList, "Opera 3.5b5", "*%"},
    {rightList, "Opera 3.5b6", "*%"},
    {rightList, "Opera 3.5b7", "%"},
    {rightList, "Opera 3.5b8", "%"},
    {rightList, "Opera 3.5b9", "%"},
    {rightList, "Opera 3.5b10", "%"},
    {rightList, "Opera 3.5b11", "%"},
};

std::vector<std::string> expectedList(int list) {
    std::vector<std::string> texts;
    for (const Entry& entry : expectedEntries) {
        if (entry.list == list)
            texts.push_back(std::string(entry.browser) + std::string(entry.marks));
    }
    return texts;
}

const std::vector<std::string>& entriesOf(const ui::ScriptedScreen& screen, int list) {
    return screen.topDialog()->controlAs<ui::ListBox>(list)->entries();
}

TEST_F(BrowsersDialogTest, ListsHoldEveryEntryInOrderWithItsMarks) {
    std::vector<std::string> left;
    std::vector<std::string> right;
    screen
        .then([&] {
            left = entriesOf(screen, leftList);
            right = entriesOf(screen, rightList);
        })
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    EXPECT_EQ(left, expectedList(leftList));
    EXPECT_EQ(right, expectedList(rightList));
    EXPECT_EQ(left.size(), 27u);
    EXPECT_EQ(right.size(), 22u);
}

TEST_F(BrowsersDialogTest, TheLegendShowsItsSixLinesWithTabsAndAmpersandsResolved) {
    std::vector<std::string> legend;
    screen.then([&] {
              legend = textIn(onScreen(ui::units::UnitRect{7, 77, 181, 48}));
          })
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    const std::vector<std::string> expected{
        "                        LEGEND",
        "* = Never Tested.",
        "! = Cannot tell the difference between Netscape 4.01 &",
        "     4.01A.",
        "% = Cannot Tell the difference between Netscape 3.0 &",
        "       Opera 3.XX.",
    };
    EXPECT_EQ(legend, expected);
}

TEST_F(BrowsersDialogTest, EndsWithOkOrCancel) {
    struct Case {
        const char* name;
        std::function<void(ui::ScriptedScreen&)> script;
        int code;
    };
    const Case cases[] = {
        {"the OK button", [](auto& s) { s.click(ui::IDOK); }, ui::IDOK},
        {"Enter, for the default button", [](auto& s) { s.key(Key::enter); }, ui::IDOK},
        {"Alt+O", [](auto& s) { s.alt('o'); }, ui::IDOK},
        {"Esc", [](auto& s) { s.key(Key::escape); }, ui::IDCANCEL},
        {"the close box", [](auto& s) { s.clickCloseBox(); }, ui::IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.script(screen);
        info::CBrowsersDlg dialog;
        EXPECT_EQ(dialog.runModal(), c.code);
        EXPECT_TRUE(screen.scriptDone());
        EXPECT_TRUE(screen.messageBoxes().empty());
    }
}

TEST_F(BrowsersDialogTest, OpensWithTheFocusOnOk) {
    int focused = 0;
    screen.then([&] { focused = screen.topDialog()->focus()->id(); }).key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    EXPECT_EQ(focused, ui::IDOK);
}

TEST_F(BrowsersDialogTest, AFullListSaysOutOfMemoryOnceAnEntryAndFillingGoesOn) {
    // Room for 20 entries a list: 7 of the left list's 27 and 2 of the right's 22 do not fit.
    const std::size_t saved = ui::ListBox::defaultCapacity();
    ui::ListBox::defaultCapacity() = 20;
    for (int box = 0; box < 9; ++box)
        screen.key(Key::enter);
    std::vector<std::string> left;
    std::vector<std::string> right;
    std::string caption;
    screen
        .then([&] {
            caption = screen.topCaption();
            left = entriesOf(screen, leftList);
            right = entriesOf(screen, rightList);
        })
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    const int code = dialog.runModal();
    ui::ListBox::defaultCapacity() = saved;

    EXPECT_EQ(code, ui::IDCANCEL);
    ASSERT_EQ(screen.messageBoxes().size(), 9u);
    for (const ui::RecordedMessageBox& box : screen.messageBoxes()) {
        EXPECT_EQ(box.text, "Out Of Memory");
        EXPECT_EQ(box.caption, "navisift");
        EXPECT_EQ(box.icon, ui::MessageBoxIcon::none);
        EXPECT_EQ(box.owner, "Browsers Supported:");
    }
    EXPECT_EQ(caption, "Browsers Supported:");
    const std::vector<std::string> allLeft = expectedList(leftList);
    const std::vector<std::string> allRight = expectedList(rightList);
    EXPECT_EQ(left, std::vector<std::string>(allLeft.begin(), allLeft.begin() + 20));
    EXPECT_EQ(right, std::vector<std::string>(allRight.begin(), allRight.begin() + 20));
}

TEST_F(BrowsersDialogTest, NothingCanBeSelectedAndTheListsScroll) {
    std::optional<std::size_t> selection;
    std::size_t topBefore = 1;
    std::size_t topAfter = 0;
    std::vector<std::string> shown;
    screen
        .then([&] { topBefore = screen.topDialog()->controlAs<ui::ListBox>(leftList)->topIndex(); })
        .click(leftList)
        .key(Key::down)
        .key(Key::pageDown)
        .click(rightList)
        .then([&] {
            const ui::Dialog* dialog = screen.topDialog();
            selection = dialog->controlAs<ui::ListBox>(rightList)->selection();
            if (!selection)
                selection = dialog->controlAs<ui::ListBox>(leftList)->selection();
            topAfter = dialog->controlAs<ui::ListBox>(leftList)->topIndex();
            shown = textIn(onScreen(leftList));
        })
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    EXPECT_FALSE(selection.has_value());
    EXPECT_EQ(topBefore, 0u);
    EXPECT_GT(topAfter, 0u);
    // Only part of the list shows at once.
    const std::string all = [&] {
        std::string joined;
        for (const std::string& row : shown)
            joined += row + "\n";
        return joined;
    }();
    EXPECT_EQ(all.find("Netscape 2.0*"), std::string::npos) << all;
    EXPECT_EQ(all.find("WebTV 2.10*"), std::string::npos) << all;
}

TEST_F(BrowsersDialogTest, OpenedTwiceShowsTheSame49Entries) {
    std::vector<std::vector<std::string>> runs;
    auto record = [&] {
        std::vector<std::string> both = entriesOf(screen, leftList);
        const auto& right = entriesOf(screen, rightList);
        both.insert(both.end(), right.begin(), right.end());
        runs.push_back(both);
    };
    screen.then(record).key(Key::enter).then(record).key(Key::enter);
    for (int run = 0; run < 2; ++run) {
        info::CBrowsersDlg dialog;
        dialog.runModal();
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].size(), 49u);
    EXPECT_EQ(runs[0], runs[1]);
}

}  // namespace
