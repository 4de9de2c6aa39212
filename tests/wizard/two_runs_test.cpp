// Two wizard runs in one folder: the first to pass Question 1 owns the answers file until it
// ends, and the other is told so and changes nothing.

#include <optional>
#include <string>

#include "generator/answers_claim.h"
#include "tests/support/other_process.h"
#include "tests/wizard/wizard_fixture.h"

namespace wizard::testing {
namespace {

using TwoRunsTest = WizardTest;
using navisift_testing::OtherProcess;

const std::string otherRunsAnswers = "www.other-run.example\n/theirs/\n_self\n";

// What a wizard run in another process does at Question 1's Next in this folder.
bool claimTheAnswersFile() {
    try {
        static std::optional<generator::AnswersFileClaim> claim;
        claim.emplace();
        return true;
    } catch (const generator::FileError&) {
        return false;
    }
}

// A wizard run in another process that has passed Question 1 in this folder, if it could.
OtherProcess otherRun() {
    return OtherProcess(claimTheAnswersFile);
}

TEST_F(TwoRunsTest, QuestionOneSaysTheFileIsInUseAndWritesNothingAndQuitDeletesNothing) {
    writeBytes(generator::answersFileName, otherRunsAnswers);
    const OtherProcess other = otherRun();
    ASSERT_TRUE(other.succeeded());

    script.start();
    screen.type("www.example.com").key(ui::Key::enter);
    screen.then([&] {
        ASSERT_EQ(screen.messageBoxes().size(), 1u);
        const ui::RecordedMessageBox& box = screen.messageBoxes().back();
        EXPECT_EQ(box.icon, ui::MessageBoxIcon::stop);
        EXPECT_NE(box.text.find("\"questions.txt\""), std::string::npos) << box.text;
        EXPECT_NE(box.text.find("in use by another run"), std::string::npos) << box.text;
    });
    screen.key(ui::Key::enter);
    script.expectActive("Question 1");
    screen.then([&] { EXPECT_EQ(screen.controlText(answerFieldId), "www.example.com"); });
    screen.alt('q');
    EXPECT_THROW(runWizard(), ui::QuickExit);

    EXPECT_EQ(answersFile(), otherRunsAnswers);
}

TEST_F(TwoRunsTest, OnceTheOtherRunHasEndedNextCanBePressedAgain) {
    std::optional<OtherProcess> other;
    other.emplace(claimTheAnswersFile);
    ASSERT_TRUE(other->succeeded());

    script.start();
    screen.type("www.example.com").key(ui::Key::enter);
    screen.key(ui::Key::enter);  // the stop box
    screen.then([&] { other.reset(); });
    screen.key(ui::Key::enter);
    script.expectActive("Question 2").cancel();
    runWizard();

    EXPECT_EQ(answersFile(), "www.example.com\n");
}

TEST_F(TwoRunsTest, TheRunOwnsTheFileFromQuestionOnesNextUntilItEnds) {
    std::optional<bool> otherRunBeforeNext;
    std::optional<bool> otherRunOnQuestionFive;
    script.start();
    screen.then([&] { otherRunBeforeNext = otherRun().succeeded(); });
    script.answers({"www.example.com", "/d/", "n2", "n3"}).expectActive("Question 5");
    screen.then([&] { otherRunOnQuestionFive = otherRun().succeeded(); });
    script.cancel();
    runWizard();

    EXPECT_EQ(otherRunBeforeNext, true);
    EXPECT_EQ(otherRunOnQuestionFive, false);
    EXPECT_TRUE(otherRun().succeeded()) << "the run kept the file after it ended";
    EXPECT_EQ(answersFile(), "www.example.com\n/d/\n_self\nn2\nn3\n");
}

}  // namespace
}  // namespace wizard::testing
