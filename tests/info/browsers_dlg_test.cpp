// The supported browsers dialog: its two lists, its legend and its ways out.

#include <algorithm>
#include <functional>
#include <map>

#include "info/browsers_dlg.h"
#include "tests/info/info_fixture.h"
#include "ui/controls/list_box.h"

namespace {

using ui::Key;
using ui::Modifiers;

class BrowsersDialogTest : public InfoDialogTest {
  protected:
    // Where a list's entries show: the list without its scroll bar.
    ui::Rect entryArea(int list) const {
        const ui::Rect whole = onScreen(list);
        return {whole.x, whole.y, whole.width - 1, whole.height};
    }
};

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
        {"Enter in a list, for the default button",
         [](auto& s) { s.key(Key::tab).key(Key::down).key(Key::enter); }, ui::IDOK},
        {"Esc in a list", [](auto& s) { s.key(Key::tab).key(Key::escape); }, ui::IDCANCEL},
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

TEST_F(BrowsersDialogTest, TabReachesTheListsAfterOk) {
    struct Case {
        const char* name;
        Key key;
        Modifiers modifiers;
        std::vector<int> focusAfterEachPress;
    };
    const Case cases[] = {
        {"Tab", Key::tab, {}, {leftList, rightList, ui::IDOK}},
        {"Shift+Tab", Key::tab, {.shift = true}, {rightList, leftList, ui::IDOK}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> focus;
        for (std::size_t press = 0; press < c.focusAfterEachPress.size(); ++press)
            screen.key(c.key, c.modifiers).then([&] {
                focus.push_back(screen.topDialog()->focus()->id());
            });
        screen.key(Key::escape);
        info::CBrowsersDlg dialog;
        dialog.runModal();
        EXPECT_EQ(focus, c.focusAfterEachPress);
    }
}

TEST_F(BrowsersDialogTest, AKeyboardUserReadsBothListsWhole) {
    struct Case {
        const char* name;
        Key key;
        int presses;  // a few more than the list needs: the list stops at its end
    };
    const Case cases[] = {
        {"Down, a row at a time", Key::down, 24},
        {"Page Down, a page at a time", Key::pageDown, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<int, std::vector<std::string>> read;  // every row once, in the order first shown
        std::optional<std::size_t> selection;
        auto readRows = [&](int list) {
            return [&, list] {
                for (const std::string& row : textIn(entryArea(list))) {
                    std::vector<std::string>& seen = read[list];
                    if (!row.empty() && std::find(seen.begin(), seen.end(), row) == seen.end())
                        seen.push_back(row);
                }
                if (!selection)
                    selection = screen.topDialog()->controlAs<ui::ListBox>(list)->selection();
            };
        };
        for (int list : {leftList, rightList}) {
            screen.key(Key::tab).then(readRows(list));
            for (int press = 0; press < c.presses; ++press)
                screen.key(c.key).then(readRows(list));
        }
        screen.key(Key::escape);
        info::CBrowsersDlg dialog;
        dialog.runModal();
        EXPECT_EQ(read[leftList], expectedList(leftList));
        EXPECT_EQ(read[rightList], expectedList(rightList));
        EXPECT_FALSE(selection.has_value());
    }
}

TEST_F(BrowsersDialogTest, HomeAndEndGoToTheEndsAndTheScrollBarFollows) {
    struct Shown {
        std::string firstRow;
        std::string lastRow;
        int thumbRow = -1;  // counted from the list's top
    };
    std::vector<Shown> shown;
    auto note = [&] {
        const ui::Rect list = onScreen(rightList);
        const std::vector<std::string> rows = textIn(entryArea(rightList));
        Shown now{rows.front(), rows.back()};
        for (int y = list.y; y < list.bottom(); ++y)
            if (screen.lastFrame().canvas.at({list.right() - 1, y}).ch == U'█')
                now.thumbRow = y - list.y;
        shown.push_back(now);
    };
    screen.shiftTab()
        .then(note)
        .key(Key::end)
        .then(note)
        .key(Key::pageUp)
        .then(note)
        .key(Key::home)
        .then(note)
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    // Seven rows of 22 entries: the last top is entry 15; the thumb runs over rows 1 to 5.
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].firstRow, "Internet Explorer 3.01*");
    EXPECT_EQ(shown[0].thumbRow, 1);
    EXPECT_EQ(shown[1].firstRow, "Opera 3.5b5*%");
    EXPECT_EQ(shown[1].lastRow, "Opera 3.5b11%");
    EXPECT_EQ(shown[1].thumbRow, 5);
    EXPECT_EQ(shown[2].firstRow, "Opera 3.10%");  // a page of seven rows up
    EXPECT_EQ(shown[2].thumbRow, 3);
    EXPECT_EQ(shown[3].firstRow, "Internet Explorer 3.01*");
    EXPECT_EQ(shown[3].thumbRow, 1);
}

TEST_F(BrowsersDialogTest, TheFocusedListShowsItOnItsScrollBarAndNoEntryLooksSelected) {
    // Whether every cell of a list's scroll bar, or of its entries, has this background.
    auto everyBackground = [&](ui::Rect area, ui::Color color) {
        for (int y = area.y; y < area.bottom(); ++y)
            for (int x = area.x; x < area.right(); ++x)
                if (screen.lastFrame().canvas.at({x, y}).bg != color)
                    return false;
        return true;
    };
    auto scrollBar = [&](int list) {
        const ui::Rect whole = onScreen(list);
        return ui::Rect{whole.right() - 1, whole.y, 1, whole.height};
    };
    using namespace ui::palette;
    screen
        .then([&] {
            EXPECT_TRUE(everyBackground(scrollBar(leftList), buttonFace));
            EXPECT_TRUE(everyBackground(scrollBar(rightList), buttonFace));
        })
        .key(Key::tab)
        .key(Key::down)
        .then([&] {
            EXPECT_TRUE(everyBackground(scrollBar(leftList), activeCaption));
            EXPECT_TRUE(everyBackground(scrollBar(rightList), buttonFace));
            EXPECT_TRUE(everyBackground(entryArea(leftList), window));
        })
        .click(rightList)
        .then([&] {
            EXPECT_EQ(screen.topDialog()->focus()->id(), rightList);
            EXPECT_TRUE(everyBackground(scrollBar(leftList), buttonFace));
            EXPECT_TRUE(everyBackground(scrollBar(rightList), activeCaption));
            EXPECT_TRUE(everyBackground(entryArea(rightList), window));
        })
        .key(Key::escape);
    info::CBrowsersDlg dialog;
    dialog.runModal();
    EXPECT_TRUE(screen.scriptDone());
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
