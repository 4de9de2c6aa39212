#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/answers_file.h"
#include "generator/detection_page.h"
#include "tests/wizard/wizard_fixture.h"

namespace wizard::testing {
namespace {

using QuestionChainTest = WizardTest;

const std::vector<std::string> captionsUpToTheSaveDialog = {
    "Stand-in Main", "Question 1",  "Question 2",  "Question 3",     "Question 4",
    "Question 5",    "Question 6",  "Question 7",  "Question 8",     "Question 9",
    "Question 10",   "Question 11", "Question 12", "Saving File...",
};

struct ChainCase {
    std::string_view name;
    std::function<void(WizardScript&)> answerQuestionsOneAndTwo;
    std::string expectedFirstLines;  // the site address, the base directory and the target
};

const ChainCase chainCases[] = {
    {"frame box off",
     [](WizardScript& w) {
         w.answers({"www.example.com", "/~kestrin/browser/"});
     },
     "www.example.com\n/~kestrin/browser/\n_self\n"},
    {"frame box on, with a name",
     [](WizardScript& w) {
         w.answer("www.example.com").answerQuestionTwo("/site/", 1);
         w.expectActive("Question 2-2").answer("mainframe");
     },
     "www.example.com\n/site/\nmainframe\n"},
    {"frame box on, the name left empty",
     [](WizardScript& w) { w.answer("www.example.com").answerQuestionTwo("/site/", 1).answer(""); },
     "www.example.com\n/site/\n\n"},
    {"frame box on, a name with spaces as typed",
     [](WizardScript& w) {
         w.answer("www.example.com").answerQuestionTwo("/site/", 1).answer(" my frame ");
     },
     "www.example.com\n/site/\n my frame \n"},
    {"frame box ticked and unticked again",
     [](WizardScript& w) {
         w.answer("www.example.com").answerQuestionTwo("/site/", 2);
         w.expectActive("Question 3");
     },
     "www.example.com\n/site/\n_self\n"},
    {"frame box ticked from the keyboard",
     [](WizardScript& w) {
         w.answer("www.example.com");
         w.screen().type("/site/").key(ui::Key::tab).key(ui::Key::space).key(ui::Key::enter);
         w.answer("kbd");
     },
     "www.example.com\n/site/\nkbd\n"},
    {"three clicks leave the box ticked",
     [](WizardScript& w) {
         w.answer("www.example.com").answerQuestionTwo("/site/", 3).answer("f");
     },
     "www.example.com\n/site/\nf\n"},
    {"an empty base directory becomes the root",
     [](WizardScript& w) {
         w.answers({"www.example.com", ""});
     },
     "www.example.com\n/\n_self\n"},
    {"a base directory of spaces stays as typed",
     [](WizardScript& w) {
         w.answers({"www.example.com", "   "});
     },
     "www.example.com\n   \n_self\n"},
};

TEST_F(QuestionChainTest, WholeChainsWriteTheAnswersFileLineByLine) {
    for (const ChainCase& chain : chainCases) {
        SCOPED_TRACE(chain.name);
        ScratchWorkingDirectory caseDirectory;
        script.start();
        chain.answerQuestionsOneAndTwo(script);
        script.answers(examplePages).expectActive("Saving File...").cancel();
        runWizard();

        EXPECT_TRUE(screen.scriptDone());
        EXPECT_EQ(answersFile(), chain.expectedFirstLines + examplePageLines());
        EXPECT_TRUE(ui::Dialog::running().empty());
    }
}

TEST_F(QuestionChainTest, EveryAnswerLeftEmpty) {
    script.start().answers({"", "", "", "", "", "", "", "", "", "", "", ""}).cancel();
    runWizard();

    EXPECT_EQ(answersFile(), "\n/\n_self\n\n\n\n\n\n\n\n\n\n\n");
}

TEST_F(QuestionChainTest, RunsNestOnTheCallStackUpToTheSaveDialog) {
    std::vector<std::string> stackAtTheSaveDialog;
    script.start().answers({"www.example.com", "/site/"}).answers(examplePages);
    screen.then([&] { stackAtTheSaveDialog = screen.dialogStack(); });
    script.cancel();
    runWizard();

    EXPECT_EQ(stackAtTheSaveDialog, captionsUpToTheSaveDialog);
}

TEST_F(QuestionChainTest, TheFrameNameQuestionNestsBetweenQuestionsTwoAndThree) {
    std::vector<std::string> stackAtQuestionThree;
    script.start().answer("www.example.com").answerQuestionTwo("/site/", 1).answer("top");
    screen.then([&] { stackAtQuestionThree = screen.dialogStack(); });
    script.cancel();
    runWizard();

    EXPECT_EQ(stackAtQuestionThree,
              (std::vector<std::string>{"Stand-in Main", "Question 1", "Question 2", "Question 2-2",
                                        "Question 3"}));
}

TEST_F(QuestionChainTest, QuestionOneEmptiesALeftoverAnswersFile) {
    writeBytes(generator::answersFileName, "old.example.org\n/old/\nold frame\nold/page.html\n");
    script.start().answer("www.example.com");
    screen.then([&] { EXPECT_EQ(answersFile(), "www.example.com\n"); });
    script.cancel();
    runWizard();

    EXPECT_EQ(answersFile(), "www.example.com\n");
}

struct CancelCase {
    std::string_view name;
    std::function<void(WizardScript&)> beforeEsc;
    std::string leftover;  // the answers file before the run; empty: none
    std::string expected;  // the answers file after the run; empty: none
};

TEST_F(QuestionChainTest, EscUnwindsTheChainAndKeepsTheLinesWrittenSoFar) {
    const CancelCase cases[] = {
        {"Esc on Question 1, no file", [](WizardScript&) {}, "", ""},
        {"Esc on Question 1 keeps a leftover", [](WizardScript&) {}, "old\n/\n_self\n",
         "old\n/\n_self\n"},
        {"Esc on Question 2", [](WizardScript& w) { w.answer("www.example.com"); }, "",
         "www.example.com\n"},
        {"Esc on Question 2-2",
         [](WizardScript& w) { w.answer("www.example.com").answerQuestionTwo("/d/", 1); }, "",
         "www.example.com\n/d/\n"},
        {"Esc on Question 7",
         [](WizardScript& w) {
             w.answers({"www.example.com", "/d/", "n2", "n3", "n4", "n45"});
             w.expectActive("Question 7");
         },
         "", "www.example.com\n/d/\n_self\nn2\nn3\nn4\nn45\n"},
    };
    for (const CancelCase& cancel : cases) {
        SCOPED_TRACE(cancel.name);
        ScratchWorkingDirectory caseDirectory;
        if (!cancel.leftover.empty()) {
            writeBytes(generator::answersFileName, cancel.leftover);
        }
        script.start();
        cancel.beforeEsc(script);
        script.cancel();
        runWizard();

        EXPECT_TRUE(screen.scriptDone());
        EXPECT_TRUE(ui::Dialog::running().empty());
        EXPECT_EQ(answersFileExists(), !cancel.expected.empty());
        EXPECT_EQ(answersFile(), cancel.expected);
    }
}

TEST_F(QuestionChainTest, TheCloseBoxCancelsLikeEsc) {
    script.start().answers({"www.example.com", "/d/", "n2"});
    screen.clickCloseBox();
    runWizard();

    EXPECT_TRUE(screen.scriptDone());
    EXPECT_EQ(answersFile(), "www.example.com\n/d/\n_self\nn2\n");
}

struct NextCase {
    std::string_view name;
    std::function<void(ui::ScriptedScreen&)> pressNext;
};

TEST_F(QuestionChainTest, NextIsEnterAltNOrAClickOnTheButton) {
    const NextCase cases[] = {
        {"Enter", [](ui::ScriptedScreen& s) { s.key(ui::Key::enter); }},
        {"Alt+N", [](ui::ScriptedScreen& s) { s.alt('n'); }},
        {"a click on Next", [](ui::ScriptedScreen& s) { s.click(ui::IDOK); }},
    };
    for (const NextCase& next : cases) {
        SCOPED_TRACE(next.name);
        ScratchWorkingDirectory caseDirectory;
        script.start();
        screen.type("www.example.com");
        next.pressNext(screen);
        script.expectActive("Question 2");
        screen.type("/d/");
        next.pressNext(screen);
        script.expectActive("Question 3").cancel();
        runWizard();

        EXPECT_EQ(answersFile(), "www.example.com\n/d/\n_self\n");
    }
}

TEST_F(QuestionChainTest, RunsFromQuestionOneToAFinishedDetectionPage) {
    script.start().answer("www.example.com").answerQuestionTwo("/site/", 1).answer("content");
    script.answers(examplePages).expectActive("Saving File...");
    screen.key(ui::Key::enter);  // Save
    script.expectActive("navisift");
    screen.key(ui::Key::enter);  // "File Saved"
    runWizard();

    EXPECT_TRUE(screen.scriptDone());
    EXPECT_FALSE(answersFileExists());
    ASSERT_TRUE(fs::exists(generator::detectionPageName));

    // The page is the one the generator writes for these answers.
    generator::Answers answers;
    answers.siteAddress = "www.example.com";
    answers.baseDirectory = "/site/";
    answers.targetFrame = "content";
    for (std::size_t page = 0; page < examplePages.size(); ++page) {
        answers.*generator::answerFields[page + 3].member = examplePages[page];
    }
    ASSERT_EQ(generator::writeDetectionPage(
                  answers, [](int) {}, "expected.htm"),
              generator::PageResult::written);
    EXPECT_EQ(readBytes(generator::detectionPageName), readBytes("expected.htm"));
    ASSERT_FALSE(screen.messageBoxes().empty());
    EXPECT_EQ(screen.messageBoxes().back().text, "File Saved");
}

}  // namespace
}  // namespace wizard::testing
