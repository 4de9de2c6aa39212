// Modal runs, ending, data exchange, routing of commands, message boxes,
// file errors, the quick exit and timers.

#include <filesystem>
#include <system_error>

#include "tests/ui/toolkit_fixture.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/list_box.h"
#include "ui/controls/progress_bar.h"
#include "ui/look.h"

namespace {

using ui::Key;

// Template 130's shape: an edit box 1001 and a check box 1002.
class AnswerDialog : public ui::Dialog {
  public:
    explicit AnswerDialog(int number = 130, std::size_t limit = 60)
        : ui::Dialog(res::dialogTemplate(number)), limit_(limit) {}

    std::string answerText;
    int inFrame = 0;
    int clicks = 0;
    int tooLong = 0;
    std::function<void()> onNext;

  protected:
    void exchangeData(ui::DataExchange& dx) override {
        dx.text(1001, answerText);
        dx.maxChars(1001, answerText, limit_);
        dx.check(1002, inFrame);
    }
    void onOk() override {
        if (onNext)
            onNext();
        else
            Dialog::onOk();
    }
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<AnswerDialog> table[] = {
            {ui::WM_COMMAND, ui::BN_CLICKED, 1002, &AnswerDialog::onFrameClicked},
            {ui::WM_COMMAND, ui::EN_MAXTEXT, 1001, &AnswerDialog::onMaxText},
        };
        return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
    }

  private:
    void onFrameClicked() { ++clicks; }
    void onMaxText() {
        ++tooLong;
        messageBox("Text Too Long!");
    }
    std::size_t limit_;
};

using DialogRunTest = ToolkitTest;

TEST_F(DialogRunTest, EndCodesOfTheWaysOut) {
    struct Case {
        const char* name;
        std::function<void(ui::ScriptedScreen&)> script;
        int code;
    };
    const Case cases[] = {
        {"Enter presses the default button", [](auto& s) { s.key(Key::enter); }, ui::IDOK},
        {"Esc cancels", [](auto& s) { s.key(Key::escape); }, ui::IDCANCEL},
        {"the close box cancels", [](auto& s) { s.clickCloseBox(); }, ui::IDCANCEL},
        {"a click on Next", [](auto& s) { s.click(ui::IDOK); }, ui::IDOK},
        {"Alt+N is Next", [](auto& s) { s.alt('n'); }, ui::IDOK},
        {"Close on the system menu", [](auto& s) { s.systemCommand(ui::SC_CLOSE); }, ui::IDCANCEL},
    };
    for (const Case& c : cases) {
        c.script(screen);
        AnswerDialog dialog;
        EXPECT_EQ(dialog.runModal(), c.code) << c.name;
        EXPECT_TRUE(screen.scriptDone()) << c.name;
        EXPECT_TRUE(ui::Dialog::running().empty()) << c.name;
    }
}

TEST_F(DialogRunTest, DataGoesInOnOpeningAndOutOnOk) {
    AnswerDialog dialog;
    dialog.answerText = "start";
    dialog.inFrame = 1;
    screen
        .then([&] {
            EXPECT_EQ(screen.controlText(1001), "start");
            EXPECT_TRUE(screen.topDialog()->controlAs<ui::CheckBox>(1002)->isChecked());
            EXPECT_EQ(screen.topDialog()->controlAs<ui::EditBox>(1001)->limit(), 60u);
            EXPECT_EQ(screen.topDialog()->focus()->id(), 1001);
        })
        .type("ed")
        .key(Key::tab)
        .key(Key::space)
        .key(Key::enter);
    EXPECT_EQ(dialog.runModal(), ui::IDOK);
    EXPECT_EQ(dialog.answerText, "started");
    EXPECT_EQ(dialog.inFrame, 0);
    EXPECT_EQ(dialog.clicks, 1);
}

TEST_F(DialogRunTest, ATableRowForButtonOneReplacesTheOkAction) {
    class OwnOk : public ui::Dialog {
      public:
        OwnOk() : ui::Dialog(res::dialogTemplate(129)) {}
        int presses = 0;

      protected:
        bool onMessage(ui::Message& message) override {
            static constexpr ui::MessageEntry<OwnOk> table[] = {
                {ui::WM_COMMAND, ui::BN_CLICKED, ui::IDOK, &OwnOk::onNext},
            };
            return ui::dispatchMessage(*this, table, message);
        }

      private:
        void onNext() {
            if (++presses == 2)
                Dialog::onOk();  // the second press ends the toolkit's way
        }
    };
    OwnOk dialog;
    screen.key(Key::enter).then([&] { EXPECT_FALSE(dialog.hasEnded()); }).click(ui::IDOK);
    EXPECT_EQ(dialog.runModal(), ui::IDOK);
    EXPECT_EQ(dialog.presses, 2);
}

TEST_F(DialogRunTest, CancelExchangesNothing) {
    AnswerDialog dialog;
    screen.type("typed").key(Key::escape);
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    EXPECT_EQ(dialog.answerText, "");
}

TEST_F(DialogRunTest, AnOverLongTextFailsTheExchangeAndTheDialogStays) {
    AnswerDialog dialog(129, 5);
    dialog.answerText = "far too long";  // more than the limit, placed before the limit applies
    screen.key(Key::enter)
        .then([&] {
            ASSERT_EQ(screen.messageBoxes().size(), 1u);
            EXPECT_EQ(screen.topCaption(), "navisift");
        })
        .key(Key::enter)  // dismiss the box
        .then([&] {
            EXPECT_EQ(screen.topCaption(), "Question 1");
            EXPECT_FALSE(screen.topDialog()->hasEnded());
        })
        .key(Key::escape);
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    const ui::RecordedMessageBox& box = screen.messageBoxes().at(0);
    EXPECT_EQ(box.text, "Please enter no more than 5 characters.");
    EXPECT_EQ(box.icon, ui::MessageBoxIcon::exclamation);
    EXPECT_EQ(box.caption, "navisift");
    EXPECT_EQ(dialog.answerText, "far too long");
}

TEST_F(DialogRunTest, NestedRunsEndWhereTheyBegan) {
    // Each dialog ends itself and runs the next from its OK handler, fifteen
    // deep like the longest wizard; each is owned by the one before.
    constexpr int depth = 15;
    std::vector<std::string> order;
    std::function<void(int, ui::Dialog*)> runLevel = [&](int level, ui::Dialog* before) {
        AnswerDialog dialog(level % 2 ? 129 : 131, 30);
        EXPECT_EQ(dialog.owner(), before);
        dialog.onNext = [&, level] {
            dialog.endDialog(ui::IDOK);
            EXPECT_FALSE(dialog.isVisible());
            if (level < depth)
                runLevel(level + 1, &dialog);
            order.push_back("returned " + std::to_string(level));
        };
        dialog.runModal();
        order.push_back("run ended " + std::to_string(level));
    };
    for (int level = 1; level <= depth; ++level) {
        screen.then([&, level] {
            EXPECT_EQ(ui::Dialog::running().size(), static_cast<std::size_t>(level));
        });
        screen.key(Key::enter);
    }
    runLevel(1, nullptr);
    std::vector<std::string> expected;
    for (int level = depth; level >= 1; --level) {
        expected.push_back("returned " + std::to_string(level));
        expected.push_back("run ended " + std::to_string(level));
    }
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(ui::Dialog::running().empty());
}

TEST_F(DialogRunTest, ADialogWithoutOwnerIsOwnedByTheActiveOne) {
    AnswerDialog outer(129);
    outer.onNext = [&] {
        AnswerDialog inner(131);
        EXPECT_EQ(inner.owner(), &outer);
        inner.runModal();
    };
    screen.key(Key::enter)
        .then([&] {
            // The owner shows, so the new dialog is centred over it (same size: same place).
            EXPECT_EQ(screen.topDialog()->windowRect(), outer.windowRect());
            EXPECT_EQ(screen.dialogStack(), (std::vector<std::string>{"Question 1", "Question 3"}));
        })
        .key(Key::escape)
        .key(Key::escape);
    outer.runModal();
    EXPECT_EQ(outer.owner(), nullptr);
}

TEST_F(DialogRunTest, AHiddenOwnerLeavesTheDialogCentredOnTheScreen) {
    AnswerDialog outer(129);
    outer.onNext = [&] {
        outer.endDialog(ui::IDOK);
        RecordingDialog next(res::dialogTemplate(100));
        next.runModal();
    };
    screen.key(Key::enter)
        .then([&] {
            const ui::Rect r = screen.topDialog()->windowRect();
            EXPECT_EQ(r.x, (80 - r.width) / 2);
            EXPECT_EQ(r.y, (24 - r.height) / 2);
        })
        .key(Key::escape);
    outer.runModal();
}

// ---------------------------------------------------------------------------
// Routing of commands the dialog does not handle

class OwnerThatRecords : public ui::Dialog {
  public:
    OwnerThatRecords() : ui::Dialog(res::dialogTemplate(102)) {}
    std::vector<int> got;
    std::function<void()> inside;

  protected:
    void onOk() override {
        endDialog(ui::IDOK);
        if (inside)
            inside();
    }
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<OwnerThatRecords> table[] = {
            {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_EXIT, &OwnerThatRecords::onQuit},
            {ui::WM_COMMAND, ui::BN_CLICKED, ui::ID_APP_ABOUT, &OwnerThatRecords::onAbout},
        };
        return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
    }

  private:
    void onQuit() { got.push_back(ui::ID_APP_EXIT); }
    void onAbout() { got.push_back(ui::ID_APP_ABOUT); }
};

class RecordingApp : public ui::Application {
  public:
    using ui::Application::Application;
    std::vector<int> got;
    bool onCommand(int id) override {
        got.push_back(id);
        return true;
    }
};

TEST(CommandRouting, UnhandledCommandsTravelUpTheOwnerChainToTheApplication) {
    ui::ScriptedScreen screen;
    RecordingApp app(screen);
    OwnerThatRecords main;
    std::vector<std::string> middleHeard;
    main.inside = [&] {
        AnswerDialog middle(129);  // owned by main
        middle.onNext = [&] {
            AnswerDialog inner(131);  // owned by middle
            inner.runModal();
        };
        middle.runModal();
    };
    screen
        .key(Key::enter)  // main: Start
        .key(Key::enter)  // Question 1: Next
        .alt('q')         // Question 3: Quit, taken by main
        .click(ui::ID_APP_ABOUT)
        .key(Key::f1)  // Help: no main window set, so straight to the application
        .then([&] { app.setMainWindow(&main); })
        .key(Key::f1)  // through main, which does not take it, to the application
        .key(Key::escape)
        .key(Key::escape);
    main.runModal();
    EXPECT_EQ(main.got, (std::vector<int>{ui::ID_APP_EXIT, ui::ID_APP_ABOUT}));
    EXPECT_EQ(app.got, (std::vector<int>{ui::ID_HELP, ui::ID_HELP}));
}

TEST(CommandRouting, CommandsBelowTheRangeStayWithTheDialog) {
    ui::ScriptedScreen screen;
    RecordingApp app(screen);
    OwnerThatRecords main;
    main.inside = [&] {
        RecordingDialog browsers(res::dialogTemplate(102));  // owned by main
        screen.then([&] { browsers.command(1010); }).key(Key::escape);
        browsers.runModal();
        EXPECT_EQ(browsers.heard,
                  (std::vector<std::string>{"command 1010 code 0", "command 2 code 0"}));
    };
    screen.key(Key::enter);
    main.runModal();
    EXPECT_TRUE(main.got.empty());
    EXPECT_TRUE(app.got.empty());
}

// ---------------------------------------------------------------------------
// Message boxes and file errors

TEST_F(DialogRunTest, MessageBoxesCarryTheTitleAndOneOkButton) {
    app.setTitleFromProgramPath("/usr/local/bin/renamed-wizard.exe");
    AnswerDialog dialog(129);
    dialog.onNext = [&] { EXPECT_EQ(dialog.messageBox("File Saved"), ui::IDOK); };
    screen.key(Key::enter)
        .then([&] {
            ASSERT_EQ(screen.topDialog()->controls().size(), 2u);  // the text and OK
            EXPECT_EQ(screen.controlText(ui::IDOK), "OK");
            EXPECT_EQ(screen.dialogStack().size(), 2u);
        })
        .clickCloseBox()  // a box's close box is OK as well
        .key(Key::escape);
    dialog.runModal();
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    const ui::RecordedMessageBox& box = screen.messageBoxes()[0];
    EXPECT_EQ(box.text, "File Saved");
    EXPECT_EQ(box.caption, "renamed-wizard");
    EXPECT_EQ(box.icon, ui::MessageBoxIcon::none);
    EXPECT_EQ(box.owner, "Question 1");
}

TEST_F(DialogRunTest, AFileErrorIsShownAndTheDialogStaysAsItWas) {
    AnswerDialog dialog(129, 40);
    int reached = 0;
    dialog.onNext = [&] {
        throw std::filesystem::filesystem_error(
            "cannot read", "questions.txt",
            std::make_error_code(std::errc::no_such_file_or_directory));
        ++reached;
    };
    screen.type("kept")
        .key(Key::enter)
        .then([&] { EXPECT_EQ(screen.topDialog()->caption(), "navisift"); })
        .key(Key::enter)
        .then([&] {
            EXPECT_EQ(screen.topCaption(), "Question 1");
            EXPECT_EQ(screen.controlText(1001), "kept");
        })
        .key(Key::escape);
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    EXPECT_EQ(reached, 0);
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    const ui::RecordedMessageBox& box = screen.messageBoxes()[0];
    EXPECT_EQ(box.icon, ui::MessageBoxIcon::stop);
    EXPECT_NE(box.text.find("questions.txt"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("No such file or directory"), std::string::npos) << box.text;
}

TEST_F(DialogRunTest, TheQuickExitUnwindsEveryRunWithoutReturningThroughHandlers) {
    AnswerDialog outer(129);
    bool returned = false;
    outer.onNext = [&] {
        AnswerDialog inner(131);
        inner.onNext = [&] { app.quickExit(1); };
        inner.runModal();
        returned = true;
    };
    screen.key(Key::enter).key(Key::enter);
    try {
        outer.runModal();
        FAIL() << "the quick exit returned";
    } catch (const ui::QuickExit& exit) {
        EXPECT_EQ(exit.exitCode, 1);
    }
    EXPECT_FALSE(returned);
    EXPECT_EQ(screen.quickExitCode(), 1);
    EXPECT_TRUE(ui::Dialog::running().empty());
}

TEST_F(DialogRunTest, ADialogCannotRunInsideItsOwnRun) {
    AnswerDialog dialog(129);
    dialog.onNext = [&] { dialog.runModal(); };
    screen.key(Key::enter);
    EXPECT_THROW(dialog.runModal(), std::logic_error);
    EXPECT_TRUE(ui::Dialog::running().empty());
}

TEST_F(DialogRunTest, AScriptThatRunsOutFailsLoudly) {
    AnswerDialog dialog;
    EXPECT_THROW(dialog.runModal(), ui::ScriptExhausted);
    EXPECT_TRUE(ui::Dialog::running().empty());
}

TEST_F(DialogRunTest, TheNormalEndGoesThroughTheScreen) {
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(screen.normalEnds(), 1);
}

TEST(Application, OneAtATime) {
    ui::ScriptedScreen screen;
    {
        ui::Application first(screen);
        EXPECT_EQ(&ui::Application::instance(), &first);
        EXPECT_THROW(ui::Application second(screen), std::logic_error);
    }
    EXPECT_EQ(ui::Application::current(), nullptr);
    ui::Application again(screen);
    EXPECT_EQ(&ui::Application::instance(), &again);
}

TEST(Application, EachApplicationStartsInThePlainLook) {
    ui::ScriptedScreen screen;
    {
        ui::Application first(screen);
        EXPECT_FALSE(ui::look().threeD);
        EXPECT_TRUE(first.enable3dControls());
        EXPECT_TRUE(ui::look().threeD);
    }
    ui::Application second(screen);
    EXPECT_FALSE(ui::look().threeD);
}

TEST(Application, TitleIsTheProgramFileNameWithoutFolderOrExtension) {
    ui::ScriptedScreen screen;
    ui::Application app(screen);
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/navisift/navisift.exe", "navisift"},
        {"./wizard", "wizard"},
        {"C-copy.of.tool.bin", "C-copy.of.tool"},
        {"/tmp/link-name", "link-name"},
    };
    for (const auto& [path, title] : cases) {
        app.setTitleFromProgramPath(path);
        EXPECT_EQ(app.title(), title) << path;
    }
}

}  // namespace
