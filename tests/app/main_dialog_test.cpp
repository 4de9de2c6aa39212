// The splash, the main dialog and the application object on the scripted screen.

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/help_text.h"
#include "app/main_dlg.h"
#include "app/splash_dlg.h"
#include "app/wizard_app.h"
#include "ui/application.h"
#include "ui/messages.h"
#include "ui/paint_context.h"
#include "ui/testing/scripted_screen.h"

namespace {

namespace fs = std::filesystem;
using ui::Key;

constexpr const char* mainCaption = "Navisift? HTML Creator";

// Every test runs in a folder of its own, so that the answers file and the version stamp of one
// test are not seen by another.
class InScratchFolder : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder = fs::path(NAVISIFT_BINARY_DIR) / "app-test-work" / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        previous = fs::current_path();
        fs::current_path(folder);
    }
    void TearDown() override {
        fs::current_path(previous);
        if (!HasFailure())
            fs::remove_all(folder);
    }

    static std::string contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const fs::path& file, std::string_view text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    bool wasShown(std::string_view caption) const {
        const auto& shown = screen.shownDialogs();
        return std::find(shown.begin(), shown.end(), caption) != shown.end();
    }

    fs::path folder;
    fs::path previous;
    ui::ScriptedScreen screen;
};

// The main dialog on its own, as the start routine runs it.
class MainDialog : public InScratchFolder {
  protected:
    // Runs the main dialog as the main window until the script ends it.
    int run() {
        app::CMainDlg dialog;
        app.setMainWindow(&dialog);
        const int code = dialog.runModal();
        app.setMainWindow(nullptr);
        return code;
    }
    // The same, for a run that ends in the quick exit; gives its exit code.
    int runToQuickExit() {
        try {
            run();
        } catch (const ui::QuickExit& exit) {
            return exit.exitCode;
        }
        ADD_FAILURE() << "the main dialog returned instead of exiting";
        return -1;
    }

    ui::Application app{screen};
};

TEST_F(MainDialog, EscEndsItWithCancelAndLeavesTheAnswersFileAlone) {
    write("questions.txt", "left over\n");
    screen.key(Key::escape);
    EXPECT_EQ(run(), ui::IDCANCEL);
    EXPECT_EQ(contents("questions.txt"), "left over\n");
    EXPECT_FALSE(wasShown("Question 1"));
}

TEST_F(MainDialog, StartEndsItAndThenRunsQuestionOneInsideItsHandler) {
    std::vector<std::string> stackDuringQuestion;
    bool mainVisibleDuringQuestion = true;
    screen
        .key(Key::enter)  // Start is the default button
        .then([&] {
            stackDuringQuestion = screen.dialogStack();
            mainVisibleDuringQuestion = ui::Dialog::running().front()->isVisible();
        })
        .key(Key::escape);
    EXPECT_EQ(run(), ui::IDOK);
    EXPECT_EQ(stackDuringQuestion, (std::vector<std::string>{mainCaption, "Question 1"}));
    EXPECT_FALSE(mainVisibleDuringQuestion) << "Start hides the main dialog at once";
    EXPECT_TRUE(screen.scriptDone());
}

TEST_F(MainDialog, StartByItsButtonAndByItsLetter) {
    for (const bool byLetter : {false, true}) {
        if (byLetter) {
            screen.alt('s');
        } else {
            screen.click(ui::IDOK);
        }
        screen.then([&] { EXPECT_EQ(screen.topCaption(), "Question 1"); }).key(Key::escape);
        EXPECT_EQ(run(), ui::IDOK) << (byLetter ? "Alt+S" : "click");
    }
}

// Quit from the main dialog and from a question passed on to it; with and without an answers
// file left from an earlier run.
struct QuitCase {
    std::string name;
    bool fromQuestion;
    bool answersFileBefore;
};

void PrintTo(const QuitCase& c, std::ostream* os) {
    *os << c.name;
}

class Quit : public MainDialog, public testing::WithParamInterface<QuitCase> {};

TEST_P(Quit, DeletesTheAnswersFileAndExitsWithOne) {
    const QuitCase& c = GetParam();
    if (c.answersFileBefore)
        write("questions.txt", "www.left.over\n");
    if (c.fromQuestion) {
        screen.key(Key::enter).type("www.example.org").key(Key::enter);
        screen.then([&] { EXPECT_EQ(screen.topCaption(), "Question 2"); });
    }
    screen.alt('q');
    EXPECT_EQ(runToQuickExit(), 1);
    EXPECT_FALSE(fs::exists("questions.txt"));
    EXPECT_TRUE(screen.messageBoxes().empty()) << "no confirmation, no message";
}

INSTANTIATE_TEST_SUITE_P(Places, Quit,
                         testing::Values(QuitCase{"MainWithoutAnswers", false, false},
                                         QuitCase{"MainWithLeftover", false, true},
                                         QuitCase{"QuestionTwo", true, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainDialog, QuitIgnoresAnAnswersFileThatCannotBeDeleted) {
    fs::create_directories("questions.txt/inside");  // a folder with something in it
    screen.alt('q');
    EXPECT_EQ(runToQuickExit(), 1);
    EXPECT_TRUE(screen.messageBoxes().empty());
}

// About and Browsers open their dialogs over the main dialog, which is there again afterwards.
struct InfoCase {
    std::string name;
    char letter;
    std::string caption;
};

void PrintTo(const InfoCase& c, std::ostream* os) {
    *os << c.name;
}

class InfoButtons : public MainDialog, public testing::WithParamInterface<InfoCase> {};

TEST_P(InfoButtons, OpenTheirDialogAndReturn) {
    std::vector<std::string> stack;
    screen.alt(GetParam().letter)
        .then([&] { stack = screen.dialogStack(); })
        .key(Key::escape)
        .then([&] { EXPECT_EQ(screen.topCaption(), mainCaption); })
        .key(Key::escape);
    EXPECT_EQ(run(), ui::IDCANCEL);
    EXPECT_EQ(stack, (std::vector<std::string>{mainCaption, GetParam().caption}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, InfoButtons,
                         testing::Values(InfoCase{"About", 'a', "About..."},
                                         InfoCase{"Browsers", 'b', "Browsers Supported:"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainDialog, AboutFromAQuestionOpensOverIt) {
    std::vector<std::string> stack;
    screen.key(Key::enter)
        .type("www.example.org")
        .alt('a')
        .then([&] { stack = screen.dialogStack(); })
        .key(Key::enter)
        .then([&] {
            EXPECT_EQ(screen.topCaption(), "Question 1");
            EXPECT_EQ(screen.controlText(1001), "www.example.org");
        })
        .key(Key::escape);
    EXPECT_EQ(run(), ui::IDOK);
    EXPECT_EQ(stack, (std::vector<std::string>{mainCaption, "Question 1", "About..."}));
    EXPECT_FALSE(fs::exists("questions.txt")) << "About writes nothing";
}

TEST_F(MainDialog, SystemMenuGetsTheAboutItemAfterASeparator) {
    std::vector<ui::MenuItem> items;
    screen.then([&] { items = screen.topDialog()->systemMenu().items(); }).key(Key::escape);
    run();
    ASSERT_GE(items.size(), 2u);
    const ui::MenuItem& separator = items[items.size() - 2];
    const ui::MenuItem& about = items.back();
    EXPECT_TRUE(separator.isSeparator());
    EXPECT_EQ(about.id, 16u);
    EXPECT_EQ(about.text, "&About Navisift?...");
}

TEST(AboutMenuItem, AnEmptyTextAppendsNothing) {
    ui::SystemMenu menu;
    menu.appendItem(0xF060, "&Close");
    app::appendAboutItem(menu, "");
    ASSERT_EQ(menu.items().size(), 1u);
    EXPECT_EQ(menu.items()[0].text, "&Close");
}

// System commands 16 to 31 open About; the rest keep their default processing.
struct SystemCommandCase {
    unsigned id;
    bool opensAbout;
};

void PrintTo(const SystemCommandCase& c, std::ostream* os) {
    *os << "system command " << c.id;
}

class SystemCommands : public MainDialog, public testing::WithParamInterface<SystemCommandCase> {};

TEST_P(SystemCommands, OnlyTheAboutRangeOpensAbout) {
    screen.systemCommand(GetParam().id).then([&] {
        if (screen.topCaption() == "About...")
            screen.key(Key::escape);
    });
    screen.key(Key::escape);
    run();
    EXPECT_EQ(wasShown("About..."), GetParam().opensAbout) << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Ids, SystemCommands,
                         testing::Values(SystemCommandCase{16, true}, SystemCommandCase{24, true},
                                         SystemCommandCase{31, true}, SystemCommandCase{32, false},
                                         SystemCommandCase{15, false}),
                         [](const testing::TestParamInfo<SystemCommandCase>& info) {
                             return "Command" + std::to_string(info.param.id);
                         });

TEST_F(MainDialog, TheSystemMenuItemOpensAboutByKeyboard) {
    screen
        .key(Key::space, {false, false, true})  // Alt+Space opens the system menu
        .key(Key::up)                           // from the first item round to the last, About
        .key(Key::enter)
        .then([&] { EXPECT_EQ(screen.topCaption(), "About..."); })
        .key(Key::escape)
        .key(Key::escape);
    run();
    EXPECT_TRUE(wasShown("About..."));
}

TEST_F(MainDialog, SystemCloseIsCancel) {
    screen.systemCommand(ui::SC_CLOSE);
    EXPECT_EQ(run(), ui::IDCANCEL);
}

TEST_F(MainDialog, BothWindowIconsAndTheDragIconAreIconOneTwoEight) {
    ui::Icon big, small;
    ui::MessageResult dragIcon = 0;
    screen
        .then([&] {
            ui::Dialog* dialog = screen.topDialog();
            big = dialog->icon(true);
            small = dialog->icon(false);
            dragIcon = dialog->sendMessage(ui::WM_QUERYDRAGICON);
        })
        .key(Key::escape);
    run();
    EXPECT_EQ(big, ui::Icon{128});
    EXPECT_EQ(small, ui::Icon{128});
    EXPECT_EQ(dragIcon, 128);
}

TEST_F(MainDialog, MinimisedItDrawsItsIconCentredInTheTile) {
    std::optional<ui::PaintContext::DrawnIcon> drawn;
    screen.then([&] { screen.topDialog()->minimize(); })
        .then([&] {
            ui::Dialog::repaintNow();
            drawn = ui::PaintContext::lastDrawnIcon();
        })
        .then([&] { screen.topDialog()->restore(); })
        .key(Key::escape);
    run();
    ASSERT_TRUE(drawn.has_value());
    // The tile's client area is 36 x 36 pixels and the system icon 32 x 32.
    EXPECT_EQ(drawn->x, 2);
    EXPECT_EQ(drawn->y, 2);
    EXPECT_EQ(drawn->icon, ui::Icon{128});
}

// The whole application object: the splash during construction, then the start routine.
class WizardApp : public InScratchFolder {};

TEST_F(WizardApp, TheSplashRunsWhileTheObjectIsConstructed) {
    std::vector<std::string> stackDuringSplash;
    screen.then([&] { stackDuringSplash = screen.dialogStack(); }).key(Key::enter);
    app::CWizardApp app(screen);
    EXPECT_EQ(stackDuringSplash.size(), 1u);
    EXPECT_TRUE(screen.scriptDone());
    EXPECT_FALSE(fs::exists("config.cfg")) << "the stamp comes with the start routine";
}

TEST_F(WizardApp, StartRoutineStampsTheVersionRunsTheMainDialogAndReturnsFalse) {
    write("config.cfg", "an older and much longer stamp");
    std::string stampWhileMainDialogShows;
    screen
        .key(Key::escape)  // the splash
        .then([&] {
            EXPECT_EQ(screen.topCaption(), mainCaption);
            stampWhileMainDialogShows = contents("config.cfg");
        })
        .key(Key::escape);
    app::CWizardApp app(screen);
    EXPECT_FALSE(app.initInstance());
    EXPECT_EQ(stampWhileMainDialogShows, "V1.0B7");
    EXPECT_EQ(contents("config.cfg"), "V1.0B7");
    EXPECT_EQ(app.mainWindow(), nullptr);
}

TEST_F(WizardApp, RunEndsNormallyOnceTheMainDialogIsGone) {
    screen.key(Key::enter).key(Key::escape);
    app::CWizardApp app(screen);
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(screen.normalEnds(), 1);
}

TEST_F(WizardApp, AStampInTheWayDoesNotStopTheStart) {
    fs::create_directory("config.cfg");
    screen.key(Key::enter)
        .then([&] { EXPECT_EQ(screen.topCaption(), mainCaption); })
        .key(Key::escape);
    app::CWizardApp app(screen);
    EXPECT_FALSE(app.initInstance());
    EXPECT_TRUE(screen.messageBoxes().empty());
}

// F1 reaches the application's Help command from any dialog and shows our help there.
struct HelpCase {
    std::string name;
    bool onQuestion;
    std::string owner;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
    *os << c.name;
}

class Help : public InScratchFolder, public testing::WithParamInterface<HelpCase> {};

TEST_P(Help, ShowsTheHelpOverTheDialogAndReturnsToIt) {
    const HelpCase& c = GetParam();
    screen.key(Key::enter);  // the splash
    if (c.onQuestion)
        screen.key(Key::enter).type("www.example.org");
    std::vector<std::string> stackWithHelp;
    screen.key(Key::f1)
        .then([&] { stackWithHelp = screen.dialogStack(); })
        .key(Key::escape)
        .then([&] { EXPECT_EQ(screen.topCaption(), c.owner); });
    if (c.onQuestion) {
        screen.then([&] { EXPECT_EQ(screen.controlText(1001), "www.example.org"); });
    }
    screen.key(Key::escape);
    app::CWizardApp app(screen);
    app.initInstance();
    EXPECT_TRUE(screen.scriptDone());
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    const ui::RecordedMessageBox& box = screen.messageBoxes().front();
    EXPECT_EQ(box.text, app::helpText);
    EXPECT_EQ(box.caption, "app_dialog_tests") << "the program file's name";
    EXPECT_EQ(box.owner, c.owner);
    ASSERT_GE(stackWithHelp.size(), 2u);
    EXPECT_EQ(stackWithHelp[stackWithHelp.size() - 2], c.owner);
    EXPECT_EQ(stackWithHelp.back(), box.caption);
}

INSTANTIATE_TEST_SUITE_P(Places, Help,
                         testing::Values(HelpCase{"MainDialog", false, mainCaption},
                                         HelpCase{"Question", true, "Question 1"}),
                         [](const auto& info) { return info.param.name; });

// The splash ends on a click anywhere on it, and on Enter or Esc.
struct SplashCase {
    std::string name;
    enum { enter, escape, clickPicture, clickText, clickEmpty } how;
};

void PrintTo(const SplashCase& c, std::ostream* os) {
    *os << c.name;
}

class Splash : public InScratchFolder, public testing::WithParamInterface<SplashCase> {};

TEST_P(Splash, Ends) {
    ui::Application application(screen);
    screen.then([&] {
        ui::Dialog* splash = screen.topDialog();
        const ui::Rect client = splash->clientRect();
        const auto controlOfKind = [&](ui::ControlKind kind) {
            for (const auto& control : splash->controls()) {
                if (control->kind() == kind)
                    return control->rect().translated(client.x, client.y);
            }
            ADD_FAILURE() << "no such control on the splash";
            return ui::Rect{};
        };
        const auto middle = [](ui::Rect r) {
            return ui::Point{r.x + r.width / 2, r.y + r.height / 2};
        };
        switch (GetParam().how) {
            case SplashCase::enter:
                screen.key(Key::enter);
                break;
            case SplashCase::escape:
                screen.key(Key::escape);
                break;
            case SplashCase::clickPicture:
                screen.clickAt(middle(controlOfKind(ui::ControlKind::picture)));
                break;
            case SplashCase::clickText:
                screen.clickAt(middle(controlOfKind(ui::ControlKind::staticText)));
                break;
            case SplashCase::clickEmpty:
                screen.clickAt({client.right() - 1, client.bottom() - 1});
                break;
        }
    });
    app::CSplashDlg splash;
    const int code = splash.runModal();
    EXPECT_TRUE(screen.scriptDone());
    EXPECT_EQ(code, GetParam().how == SplashCase::escape ? ui::IDCANCEL : ui::IDOK);
}

INSTANTIATE_TEST_SUITE_P(Ways, Splash,
                         testing::Values(SplashCase{"Enter", SplashCase::enter},
                                         SplashCase{"Escape", SplashCase::escape},
                                         SplashCase{"ClickOnPicture", SplashCase::clickPicture},
                                         SplashCase{"ClickOnText", SplashCase::clickText},
                                         SplashCase{"ClickOnEmptyArea", SplashCase::clickEmpty}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
