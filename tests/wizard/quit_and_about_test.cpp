#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/wizard/wizard_fixture.h"
#include "ui/messages.h"

namespace wizard::testing {
namespace {

using QuitAndAboutTest = WizardTest;

struct PressCase {
    std::string_view name;
    std::function<void(ui::ScriptedScreen&)> press;
};

const PressCase quitPresses[] = {
    {"Alt+Q", [](ui::ScriptedScreen& s) { s.alt('q'); }},
    {"a click on Quit", [](ui::ScriptedScreen& s) { s.click(ui::ID_APP_EXIT); }},
};

const PressCase aboutPresses[] = {
    {"Alt+A", [](ui::ScriptedScreen& s) { s.alt('a'); }},
    {"a click on About", [](ui::ScriptedScreen& s) { s.click(ui::ID_APP_ABOUT); }},
};

TEST_F(QuitAndAboutTest, QuitOnQuestionSevenEndsTheProcessWithCodeOne) {
    for (const PressCase& quit : quitPresses) {
        SCOPED_TRACE(quit.name);
        ScratchWorkingDirectory caseDirectory;
        mainDialog.quitsFrom.clear();
        script.start().answers({"www.example.com", "/d/", "n2", "n3", "n4", "n45"});
        screen.type("ie3");
        script.expectActive("Question 7");
        quit.press(screen);

        int exitCode = 0;
        try {
            runWizard();
            ADD_FAILURE() << "Quit returned";
        } catch (const ui::QuickExit& exit) {
            exitCode = exit.exitCode;
        }
        EXPECT_EQ(exitCode, 1);
        EXPECT_EQ(mainDialog.quitsFrom, std::vector<std::string>{"Question 7"});
        EXPECT_FALSE(answersFileExists());
        EXPECT_FALSE(fs::exists("nvoutput.htm"));
        EXPECT_EQ(screen.shownDialogs().back(), "Question 7");  // no other window came up
        EXPECT_TRUE(ui::Dialog::running().empty());
    }
}

TEST_F(QuitAndAboutTest, QuitTravelsUpFromEveryDepthOfTheChain) {
    // Question 1 is owned by the main dialog itself; the later ones reach it through the
    // question dialogs before them.
    struct DepthCase {
        std::string_view caption;
        std::function<void(WizardScript&)> reach;
    };
    const DepthCase cases[] = {
        {"Question 1", [](WizardScript&) {}},
        {"Question 2", [](WizardScript& w) { w.answer("a"); }},
        {"Question 2-2", [](WizardScript& w) { w.answer("a").answerQuestionTwo("/", 1); }},
        {"Question 12",
         [](WizardScript& w) {
             w.answers({"a", "b"}).answers({"3", "4", "5", "6", "7", "8", "9", "10", "11"});
         }},
    };
    for (const DepthCase& depth : cases) {
        SCOPED_TRACE(depth.caption);
        ScratchWorkingDirectory caseDirectory;
        mainDialog.quitsFrom.clear();
        script.start();
        depth.reach(script);
        script.expectActive(depth.caption);
        screen.alt('q');

        EXPECT_THROW(runWizard(), ui::QuickExit);
        EXPECT_EQ(mainDialog.quitsFrom, std::vector<std::string>{std::string(depth.caption)});
        EXPECT_FALSE(answersFileExists());
    }
}

TEST_F(QuitAndAboutTest, AboutLeavesTheQuestionAsItWas) {
    for (const PressCase& about : aboutPresses) {
        SCOPED_TRACE(about.name);
        ScratchWorkingDirectory caseDirectory;
        mainDialog.aboutsFrom.clear();
        const std::string linesBefore = "www.example.com\n/d/\n_self\nn2\nn3\n";
        script.start().answers({"www.example.com", "/d/", "n2", "n3"});
        screen.type("net/ne");
        about.press(screen);
        script.expectActive(aboutCaption);
        screen.then([&] {
            ASSERT_NE(screen.topDialog()->owner(), nullptr);
            EXPECT_EQ(screen.topDialog()->owner()->caption(), "Question 5");  // shown over it
            EXPECT_EQ(answersFile(), linesBefore);
        });
        screen.key(ui::Key::enter);  // OK in the About dialog
        script.expectActive("Question 5");
        screen.then([&] { EXPECT_EQ(screen.controlText(answerFieldId), "net/ne"); });
        screen.then([&] { EXPECT_EQ(answersFile(), linesBefore); });
        // A click on About left the focus on that button, where Enter would press it again.
        screen.click(answerFieldId).key(ui::Key::end).type("t4.html").key(ui::Key::enter);
        script.expectActive("Question 6").cancel();
        runWizard();

        EXPECT_EQ(mainDialog.aboutsFrom, std::vector<std::string>{"Question 5"});
        EXPECT_EQ(answersFile(), linesBefore + "net/net4.html\n");
    }
}

}  // namespace
}  // namespace wizard::testing
