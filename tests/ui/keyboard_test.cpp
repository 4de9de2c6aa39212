// The dialog manager's keys and the mouse, and what each control does with
// the input it is given.

#include "tests/ui/toolkit_fixture.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/list_box.h"

namespace {

using ui::Key;

using KeyboardTest = ToolkitTest;

int focusedId() {
    return ui::Dialog::active()->focus() ? ui::Dialog::active()->focus()->id() : 0;
}

TEST_F(KeyboardTest, TabAndShiftTabWalkTheTabStopsAndWrap) {
    struct Case {
        int templateNumber;
        std::vector<int> forward;  // the focus after opening and after each Tab
    };
    const Case cases[] = {
        {130, {1001, 1002, ui::IDOK, ui::ID_APP_EXIT, ui::ID_APP_ABOUT, 1001}},
        {129, {1001, ui::IDOK, ui::ID_APP_EXIT, ui::ID_APP_ABOUT, 1001}},
        {102, {ui::IDOK, ui::ID_APP_EXIT, ui::ID_APP_ABOUT, 1010, ui::IDOK}},
        {100, {1026, ui::IDCANCEL, 1026}},  // the animation is a tab stop
        {152, {ui::IDOK, ui::IDOK}},        // the lists are not
    };
    for (const Case& c : cases) {
        std::vector<int> seen;
        std::vector<int> back;
        screen.then([&] { seen.push_back(focusedId()); });
        for (std::size_t i = 1; i < c.forward.size(); ++i)
            screen.key(Key::tab).then([&] { seen.push_back(focusedId()); });
        for (std::size_t i = 1; i < c.forward.size(); ++i)
            screen.shiftTab().then([&] { back.push_back(focusedId()); });
        screen.key(Key::escape);
        RecordingDialog dialog(res::dialogTemplate(c.templateNumber));
        dialog.runModal();
        EXPECT_EQ(seen, c.forward) << c.templateNumber;
        std::vector<int> expectedBack(c.forward.rbegin() + 1, c.forward.rend());
        EXPECT_EQ(back, expectedBack) << c.templateNumber;
    }
}

TEST_F(KeyboardTest, TabSkipsDisabledControlsAndADisabledDefaultIgnoresEnter) {
    RecordingDialog dialog(res::dialogTemplate(129));
    std::vector<int> seen;
    screen
        .then([&] {
            dialog.control(ui::ID_APP_EXIT)->setEnabled(false);
            dialog.control(ui::IDOK)->setEnabled(false);
        })
        .key(Key::tab)
        .then([&] { seen.push_back(focusedId()); })
        .key(Key::tab)
        .then([&] { seen.push_back(focusedId()); })
        .key(Key::enter)  // in the field, with the default button disabled: nothing
        .alt('q')         // a disabled button's mnemonic: nothing
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(seen, (std::vector<int>{ui::ID_APP_ABOUT, 1001}));
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"command 2 code 0"}));
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonElseTheDefault) {
    struct Case {
        const char* name;
        int templateNumber;
        int tabs;  // Tabs before Enter
        int command;
    };
    const Case cases[] = {
        {"in the answer field: Next", 129, 0, ui::IDOK},
        {"on Next", 129, 1, ui::IDOK},
        {"on Quit", 129, 2, ui::ID_APP_EXIT},
        {"on About", 129, 3, ui::ID_APP_ABOUT},
        {"on the check box: Next", 130, 1, ui::IDOK},
        {"About's animation: its default OK, id 2", 100, 0, ui::IDCANCEL},
        {"the splash has no button: IDOK", 204, 0, ui::IDOK},
        {"the save dialog's Save has the focus", 142, 0, ui::IDOK},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < c.tabs; ++i)
            screen.key(Key::tab);
        screen.key(Key::enter);
        if (c.command != ui::IDOK && c.command != ui::IDCANCEL)
            screen.key(Key::escape);
        RecordingDialog dialog(res::dialogTemplate(c.templateNumber));
        dialog.runModal();
        ASSERT_FALSE(dialog.heard.empty()) << c.name;
        EXPECT_EQ(dialog.heard.front(), "command " + std::to_string(c.command) + " code 0")
            << c.name;
    }
}

TEST_F(KeyboardTest, TheDefaultLookFollowsTheFocusAmongPushButtons) {
    RecordingDialog dialog(res::dialogTemplate(129));
    auto defaultShown = [&](int id) {
        // A default button shows its brackets at its left edge.
        const ui::Rect client = dialog.clientRect();
        const ui::Rect r = dialog.control(id)->rect().translated(client.x, client.y);
        return screen.lastFrame().canvas.at(r.origin()).ch == U'[';
    };
    screen
        .then([&] {
            EXPECT_TRUE(defaultShown(ui::IDOK));
            EXPECT_FALSE(defaultShown(ui::ID_APP_EXIT));
        })
        .key(Key::tab)
        .key(Key::tab)  // on Quit
        .then([&] {
            EXPECT_FALSE(defaultShown(ui::IDOK));
            EXPECT_TRUE(defaultShown(ui::ID_APP_EXIT));
        })
        .key(Key::tab)
        .key(Key::tab)  // back in the field
        .then([&] { EXPECT_TRUE(defaultShown(ui::IDOK)); })
        .key(Key::escape);
    dialog.runModal();
}

TEST_F(KeyboardTest, MnemonicsPressTheirControls) {
    struct Case {
        const char* name;
        int templateNumber;
        std::function<void(ui::ScriptedScreen&)> keys;
        std::string heard;  // the first command, or "" for none
        int focusAfter;
    };
    const Case cases[] = {
        {"Alt+Q is Quit", 129, [](auto& s) { s.alt('q'); }, "command 57602 code 0", 1001},
        {"Alt+A is About, in capitals too", 129, [](auto& s) { s.alt('A'); },
         "command 57664 code 0", 1001},
        {"Alt+B on the main dialog", 102, [](auto& s) { s.alt('b'); }, "command 1010 code 0",
         ui::IDOK},
        {"a plain letter is a mnemonic outside edit boxes", 102, [](auto& s) { s.type("q"); },
         "command 57602 code 0", ui::IDOK},
        {"a plain letter in the field is typed", 129, [](auto& s) { s.type("q"); }, "", 1001},
        {"a letter no control has does nothing", 129, [](auto& s) { s.alt('z'); }, "", 1001},
    };
    for (const Case& c : cases) {
        int focus = 0;
        c.keys(screen);
        screen.then([&] { focus = focusedId(); }).key(Key::escape);
        RecordingDialog dialog(res::dialogTemplate(c.templateNumber));
        dialog.runModal();
        const std::string first = dialog.heard.size() > 1 ? dialog.heard.front() : "";
        EXPECT_EQ(first, c.heard) << c.name;
        EXPECT_EQ(focus, c.focusAfter) << c.name;
    }
}

TEST_F(KeyboardTest, ALabelsMnemonicMovesToTheNextTabStop) {
    constexpr ui::ControlTemplate rows[] = {
        {ui::ControlKind::pushButton,
         ui::IDOK,
         "OK",
         {10, 40, 50, 14},
         ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON},
        {ui::ControlKind::staticText, -1, "&Name:", {10, 8, 30, 8}, ui::WS_CHILD | ui::WS_VISIBLE},
        {ui::ControlKind::edit,
         1001,
         "",
         {45, 8, 60, 12},
         ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP},
        {ui::ControlKind::groupBox, -1, "&Group", {5, 30, 100, 30}, ui::WS_CHILD | ui::WS_VISIBLE},
    };
    const ui::DialogTemplate t{900,
                               "Labels",
                               {0, 0, 120, 64},
                               ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU,
                               0,
                               "MS Sans Serif",
                               8,
                               rows};
    std::vector<int> focus;
    screen.then([&] { focus.push_back(focusedId()); })
        .alt('n')
        .then([&] { focus.push_back(focusedId()); })
        .alt('g')  // the tab stop after the group box wraps to OK
        .then([&] { focus.push_back(focusedId()); })
        .key(Key::escape);
    RecordingDialog dialog(t);
    dialog.runModal();
    EXPECT_EQ(focus, (std::vector<int>{ui::IDOK, 1001, ui::IDOK}));
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"command 2 code 0"}));
}

TEST_F(KeyboardTest, TheCheckBoxFlipsOnClickSpaceAndMnemonicAndSendsBnClicked) {
    RecordingDialog dialog(res::dialogTemplate(130));
    std::vector<bool> states;
    auto note = [&] { states.push_back(dialog.controlAs<ui::CheckBox>(1002)->isChecked()); };
    screen.click(1002)
        .then(note)
        .key(Key::space)
        .then(note)
        .click(1002)
        .then(note)
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(std::count(dialog.heard.begin(), dialog.heard.end(), "command 1002 code 0"), 3);
}

TEST_F(KeyboardTest, AButtonClicksOnReleaseOverItOnly) {
    RecordingDialog dialog(res::dialogTemplate(129));
    auto quitCell = [&] {
        const ui::Rect client = dialog.clientRect();
        return dialog.control(ui::ID_APP_EXIT)->rect().translated(client.x, client.y).origin();
    };
    screen.mouse(ui::MouseAction::press, quitCell)
        .mouse(ui::MouseAction::release,
               [&] { return dialog.clientRect().origin(); })  // moved away
        .mouse(ui::MouseAction::press, quitCell)
        .mouse(ui::MouseAction::release, quitCell)
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"command 57602 code 0", "command 2 code 0"}));
}

// ---------------------------------------------------------------------------
// The edit box

class EditTest : public ToolkitTest {
  protected:
    // Template 129 with its field limited to `limit`; returns the field's text
    // and the number of EN_MAXTEXT notifications.
    std::pair<std::string, int> run(std::size_t limit, const std::function<void()>& script) {
        LimitedDialog dialog(limit);
        script();
        screen.then([&] { text = screen.controlText(1001); }).key(Key::escape);
        dialog.runModal();
        return {text, dialog.maxTexts};
    }

    class LimitedDialog : public ui::Dialog {
      public:
        explicit LimitedDialog(std::size_t limit)
            : ui::Dialog(res::dialogTemplate(129)), limit_(limit) {}
        int maxTexts = 0;

      protected:
        void exchangeData(ui::DataExchange& dx) override {
            dx.text(1001, value_);
            dx.maxChars(1001, value_, limit_);
        }
        bool onMessage(ui::Message& message) override {
            if (message.id == ui::WM_COMMAND && message.code == ui::EN_MAXTEXT &&
                message.controlId == 1001)
                ++maxTexts;
            return false;
        }

      private:
        std::string value_;
        std::size_t limit_;
    };

    std::string text;
};

TEST_F(EditTest, TypingStopsAtTheLimitWithOneNotificationPerRefusal) {
    struct Case {
        std::size_t limit;
        std::string typed;
        std::string kept;
        int notifications;
    };
    const Case cases[] = {
        {5, "abc", "abc", 0},
        {5, "abcde", "abcde", 0},
        {5, "abcdef", "abcde", 1},
        {5, "abcdefgh", "abcde", 3},
        {40, std::string(41, 'x'), std::string(40, 'x'), 1},
    };
    for (const Case& c : cases) {
        auto [kept, notes] = run(c.limit, [&] { screen.type(c.typed); });
        EXPECT_EQ(kept, c.kept) << c.typed;
        EXPECT_EQ(notes, c.notifications) << c.typed;
    }
}

TEST_F(EditTest, TheVisibleWidthIsASecondBound) {
    // The field is 58 cells wide; its text may take 57 of them.
    auto [ascii, asciiNotes] = run(60, [&] { screen.type(std::string(60, 'a')); });
    EXPECT_EQ(ascii.size(), 57u);
    EXPECT_EQ(asciiNotes, 3);
    // Wide characters run out of room sooner.
    screen.setCellWidth('W', 2);
    auto [wide, wideNotes] = run(60, [&] { screen.type(std::string(30, 'W')); });
    EXPECT_EQ(wide, std::string(28, 'W'));
    EXPECT_EQ(wideNotes, 2);
}

TEST_F(EditTest, APasteIsCutToWhatFitsThenNotifiedOnce) {
    struct Case {
        const char* name;
        std::size_t limit;
        std::string before;
        std::string pasted;
        std::string kept;
        int notifications;
    };
    const std::string fifty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
    const Case cases[] = {
        {"50 into 30", 30, "", fifty, fifty.substr(0, 30), 1},
        {"a paste that fits", 30, "ab", "cd", "abcd", 0},
        {"after typed text", 10, "12345", "abcdefgh", "12345abcde", 1},
        {"the first line only", 30, "", "one\ntwo", "one", 0},
    };
    for (const Case& c : cases) {
        auto [kept, notes] = run(c.limit, [&] { screen.type(c.before).paste(c.pasted); });
        EXPECT_EQ(kept, c.kept) << c.name;
        EXPECT_EQ(notes, c.notifications) << c.name;
    }
}

TEST_F(EditTest, EditingKeys) {
    struct Case {
        const char* name;
        std::function<void()> keys;
        std::string result;
    };
    const Case cases[] = {
        {"backspace", [&] { screen.type("abc").key(Key::backspace); }, "ab"},
        {"left and insert", [&] { screen.type("ac").key(Key::left).type("b"); }, "abc"},
        {"home and delete", [&] { screen.type("xabc").key(Key::home).key(Key::del); }, "abc"},
        {"end after home", [&] { screen.type("ab").key(Key::home).key(Key::end).type("c"); },
         "abc"},
        {"right stops at the end", [&] { screen.type("ab").key(Key::right).type("c"); }, "abc"},
        {"backspace at the start", [&] { screen.type("ab").key(Key::home).key(Key::backspace); },
         "ab"},
        {"spaces are text", [&] { screen.type("a b"); }, "a b"},
        {"high bytes are text", [&] { screen.type("caf\xE9"); }, "caf\xE9"},
    };
    for (const Case& c : cases) {
        auto [kept, notes] = run(30, c.keys);
        EXPECT_EQ(kept, c.result) << c.name;
        EXPECT_EQ(notes, 0) << c.name;
    }
}

TEST_F(EditTest, TheTextThatFittedStaysAfterTheMessage) {
    // The handler of EN_MAXTEXT shows a box; after OK the field goes on.
    class TooLongDialog : public ui::Dialog {
      public:
        TooLongDialog() : ui::Dialog(res::dialogTemplate(129)) {}

      protected:
        void exchangeData(ui::DataExchange& dx) override {
            dx.text(1001, value);
            dx.maxChars(1001, value, 3);
        }
        bool onMessage(ui::Message& message) override {
            static constexpr ui::MessageEntry<TooLongDialog> table[] = {
                {ui::WM_COMMAND, ui::EN_MAXTEXT, 1001, &TooLongDialog::onTooLong},
            };
            return ui::dispatchMessage(*this, table, message);
        }

      private:
        void onTooLong() { messageBox("Text Too Long!"); }
        std::string value;
    };
    TooLongDialog dialog;
    screen.type("abcd")
        .then([&] { EXPECT_EQ(screen.topCaption(), "navisift"); })
        .key(Key::enter)
        .then([&] { EXPECT_EQ(screen.controlText(1001), "abc"); })
        .key(Key::backspace)
        .type("z")
        .then([&] { EXPECT_EQ(screen.controlText(1001), "abz"); })
        .key(Key::escape);
    dialog.runModal();
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    EXPECT_EQ(screen.messageBoxes()[0].text, "Text Too Long!");
    EXPECT_EQ(screen.messageBoxes()[0].owner, "Question 1");
}

// ---------------------------------------------------------------------------
// List boxes

class ListDialog : public ui::Dialog {
  public:
    ListDialog() : ui::Dialog(res::dialogTemplate(152)) {}
    std::vector<std::string> entries;
    int errSpace = 0;
    ui::ControlHandle left;

  protected:
    void exchangeData(ui::DataExchange& dx) override { dx.control(1023, left); }
    bool onInitDialog() override {
        for (const std::string& entry : entries)
            left.sendMessage(ui::LB_ADDSTRING, 0, reinterpret_cast<ui::LParam>(entry.c_str()));
        return true;
    }
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<ListDialog> table[] = {
            {ui::WM_COMMAND, ui::LBN_ERRSPACE, 1023, &ListDialog::onErrSpace},
        };
        return ui::dispatchMessage(*this, table, message);
    }

  private:
    void onErrSpace() {
        ++errSpace;
        messageBox("Out Of Memory");
    }
};

TEST_F(KeyboardTest, ListsKeepInsertionOrderAndSelectNothing) {
    ListDialog dialog;
    dialog.entries = {"Netscape 4.0b5", "Netscape 4.0*", "AOL 3.0 (With IE)*", "Alpha"};
    screen
        .then([&] {
            auto* list = dialog.controlAs<ui::ListBox>(1023);
            EXPECT_EQ(list->entries(), dialog.entries);
        })
        .click(1023)
        .then([&] { EXPECT_FALSE(dialog.controlAs<ui::ListBox>(1023)->selection()); })
        .key(Key::escape);
    dialog.runModal();
}

TEST_F(KeyboardTest, AFullListRefusesWithErrSpaceOncePerEntryAndKeepsWhatItHolds) {
    ui::ListBox::defaultCapacity() = 2;
    ListDialog dialog;
    dialog.entries = {"one", "two", "three", "four"};
    screen
        .key(Key::enter)  // the first "Out Of Memory"
        .key(Key::enter)  // the second
        .then([&] {
            EXPECT_EQ(dialog.controlAs<ui::ListBox>(1023)->entries(),
                      (std::vector<std::string>{"one", "two"}));
        })
        .key(Key::escape);
    dialog.runModal();
    ui::ListBox::defaultCapacity() = 32767;
    EXPECT_EQ(dialog.errSpace, 2);
    EXPECT_EQ(screen.messageBoxes().size(), 2u);
}

TEST_F(KeyboardTest, ListsScrollByKeysAndByTheirScrollBar) {
    ListDialog dialog;
    for (int i = 0; i < 27; ++i)
        dialog.entries.push_back("entry " + std::to_string(i));
    std::vector<std::size_t> tops;
    auto note = [&] { tops.push_back(dialog.controlAs<ui::ListBox>(1023)->topIndex()); };
    screen.then(note)
        .click(1023)  // focus the list
        .key(Key::down)
        .then(note)
        .key(Key::end)
        .then(note)
        .key(Key::pageUp)
        .then(note)
        .mouse(ui::MouseAction::press,
               [&] {
                   // The scroll bar's up arrow, at the list's top right.
                   const ui::Rect client = dialog.clientRect();
                   const ui::Rect r = dialog.control(1023)->rect().translated(client.x, client.y);
                   return ui::Point{r.right() - 1, r.y};
               })
        .then(note)
        .wheel(true,
               [&] {
                   const ui::Rect client = dialog.clientRect();
                   return dialog.control(1023)->rect().translated(client.x, client.y).origin();
               })
        .then(note)
        .wheel(false, [&] { return dialog.clientRect().origin(); })  // not over a list
        .then(note)
        .key(Key::escape);
    dialog.runModal();
    // The list shows 7 rows, so its last top is 20; a notch of the wheel is three rows.
    EXPECT_EQ(tops, (std::vector<std::size_t>{0, 1, 20, 13, 12, 15, 15}));
}

}  // namespace
