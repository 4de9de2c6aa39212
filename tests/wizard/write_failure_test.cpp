#include <string>
#include <string_view>

#include "tests/wizard/wizard_fixture.h"

namespace wizard::testing {
namespace {

using WriteFailureTest = WizardTest;

// Puts a directory where the answers file is, keeping the file's bytes to put back later.
class AnswersFileReplacedByDirectory {
  public:
    void replace() {
        kept_ = readBytes(generator::answersFileName);
        fs::remove(generator::answersFileName);
        fs::create_directory(generator::answersFileName);
    }
    void restore() {
        fs::remove(generator::answersFileName);
        writeBytes(generator::answersFileName, kept_);
    }

  private:
    std::string kept_;
};

void expectFileErrorBox(ui::ScriptedScreen& screen) {
    screen.then([&screen] {
        ASSERT_FALSE(screen.messageBoxes().empty());
        EXPECT_EQ(screen.messageBoxes().back().icon, ui::MessageBoxIcon::stop);
    });
    screen.key(ui::Key::enter);
}

TEST_F(WriteFailureTest, QuestionFiveStaysOpenWithItsTextAndNextCanBePressedAgain) {
    AnswersFileReplacedByDirectory answers;
    script.start().answers({"www.example.com", "/d/", "n2", "n3"}).expectActive("Question 5");
    screen.then([&] { answers.replace(); });
    screen.type("net/net4.html").key(ui::Key::enter);
    expectFileErrorBox(screen);
    script.expectActive("Question 5");
    screen.then([&] { EXPECT_EQ(screen.controlText(answerFieldId), "net/net4.html"); });
    screen.then([&] { answers.restore(); });
    screen.key(ui::Key::enter);  // Next again, now that the file is back
    script.expectActive("Question 6").cancel();
    runWizard();

    EXPECT_EQ(answersFile(), "www.example.com\n/d/\n_self\nn2\nn3\nnet/net4.html\n");
}

TEST_F(WriteFailureTest, QuestionOneStaysOpenWhenTheFileCannotBeCreated) {
    fs::create_directory(generator::answersFileName);
    script.start();
    screen.type("www.example.com").key(ui::Key::enter);
    expectFileErrorBox(screen);
    script.expectActive("Question 1");
    screen.then([&] { fs::remove(generator::answersFileName); });
    screen.key(ui::Key::enter);
    script.expectActive("Question 2").cancel();
    runWizard();

    EXPECT_EQ(answersFile(), "www.example.com\n");
}

TEST_F(WriteFailureTest, QuestionTwoHasEndedSoTheChainUnwinds) {
    AnswersFileReplacedByDirectory answers;
    script.start().answer("www.example.com").expectActive("Question 2");
    screen.then([&] { answers.replace(); });
    screen.type("/d/").key(ui::Key::enter);
    expectFileErrorBox(screen);
    runWizard();

    EXPECT_TRUE(screen.scriptDone());
    EXPECT_TRUE(ui::Dialog::running().empty());
    for (const std::string& shown : screen.shownDialogs()) {
        EXPECT_NE(shown, "Question 3");
        EXPECT_NE(shown, "Question 2-2");
    }
    EXPECT_TRUE(fs::is_directory(generator::answersFileName));
}

}  // namespace
}  // namespace wizard::testing
