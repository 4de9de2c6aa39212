#include <string>
#include <string_view>
#include <vector>

#include "tests/wizard/wizard_fixture.h"
#include "ui/controls/edit_box.h"
#include "wizard/question_table.h"

namespace wizard::testing {
namespace {

using AnswerLimitsTest = WizardTest;

// Dismisses the "Text Too Long!" box that the last step brought up, after checking it.
void expectTextTooLong(ui::ScriptedScreen& screen, std::size_t boxesBefore,
                       std::string_view owner) {
    screen.then([&screen, boxesBefore, owner] {
        ASSERT_EQ(screen.messageBoxes().size(), boxesBefore + 1);
        const ui::RecordedMessageBox& box = screen.messageBoxes().back();
        EXPECT_EQ(box.text, "Text Too Long!");
        EXPECT_EQ(box.caption, "navisift");
        EXPECT_EQ(box.icon, ui::MessageBoxIcon::none);
        EXPECT_EQ(box.owner, owner);
    });
    screen.key(ui::Key::enter);
}

std::string fieldText(ui::ScriptedScreen& screen) {
    return screen.controlText(answerFieldId);
}

TEST_F(AnswerLimitsTest, TheFortyFirstCharacterOfQuestionOneIsRefused) {
    const std::string forty(40, 'a');
    script.start();
    screen.type(forty).type("b");
    expectTextTooLong(screen, 0, "Question 1");
    screen.then([&] { EXPECT_EQ(fieldText(screen), forty); });
    screen.type("c");  // refused again: one message per refusal
    expectTextTooLong(screen, 1, "Question 1");
    screen.key(ui::Key::backspace).type("z");  // after OK the field can still be edited
    script.expectActive("Question 1").answer("").cancel();
    runWizard();

    EXPECT_EQ(screen.messageBoxes().size(), 2u);
    EXPECT_EQ(answersFile(), std::string(39, 'a') + "z\n");
}

TEST_F(AnswerLimitsTest, EveryQuestionTakesItsLimitAndRefusesOneMore) {
    // Question 2's field runs out of width before 60 characters; it has a test of its own.
    std::size_t boxes = 0;
    std::string expected;
    script.start();
    for (const Question& question : questionTable) {
        if (question.templateId == CQuestion2Dlg::templateId) {
            script.answerQuestionTwo("/d/", 1);
            expected += "/d/\n";
            continue;
        }
        const std::string full(question.limit, question.order.front());
        script.expectActive(question.caption);
        screen.type(full + "!");
        expectTextTooLong(screen, boxes++, question.caption);
        screen.key(ui::Key::enter);
        expected += full + "\n";
    }
    script.expectActive("Saving File...").cancel();
    runWizard();

    EXPECT_EQ(screen.messageBoxes().size(), boxes);
    EXPECT_EQ(answersFile(), expected);
}

TEST_F(AnswerLimitsTest, APasteIsCutToWhatFitsThenTheMessageShows) {
    const std::string fifty = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMN";
    script.start().answers({"www.example.com", "/d/"}).expectActive("Question 3");
    screen.paste(fifty);
    expectTextTooLong(screen, 0, "Question 3");
    screen.then([&] { EXPECT_EQ(fieldText(screen), fifty.substr(0, 30)); });
    screen.key(ui::Key::enter);
    script.cancel();
    runWizard();

    EXPECT_EQ(screen.messageBoxes().size(), 1u);
    EXPECT_EQ(answersFile(), "www.example.com\n/d/\n_self\n" + fifty.substr(0, 30) + "\n");
}

TEST_F(AnswerLimitsTest, CtrlVIsCutToWhatFitsLikeAnyPaste) {
    const std::string typed = "abcdefghijklmnopqrstuvwxy";  // 25 of Question 1's 40
    script.start();
    screen.type(typed).ctrl('a').ctrl('c').key(ui::Key::end).ctrl('v');
    expectTextTooLong(screen, 0, "Question 1");
    screen.then([&] { EXPECT_EQ(fieldText(screen), typed + typed.substr(0, 15)); });
    script.expectActive("Question 1").answer("").cancel();
    runWizard();

    EXPECT_EQ(screen.messageBoxes().size(), 1u);
    EXPECT_EQ(answersFile(), typed + typed.substr(0, 15) + "\n");
}

TEST_F(AnswerLimitsTest, QuestionTwoRunsOutOfWidthBeforeSixtyCharacters) {
    screen.setCellWidth('W', 2);
    const std::string sixty(60, 'W');
    std::string kept;
    script.start().answer("www.example.com").expectActive("Question 2");
    screen.paste(sixty);
    expectTextTooLong(screen, 0, "Question 2");
    screen.then([&] {
        kept = fieldText(screen);
        auto* field = dynamic_cast<ui::EditBox*>(screen.control(answerFieldId));
        ASSERT_NE(field, nullptr);
        EXPECT_LT(kept.size(), 60u);
        // Everything that fits the visible width was taken, and not one character more.
        EXPECT_LE(static_cast<int>(kept.size()) * 2, field->visibleWidth());
        EXPECT_GT(static_cast<int>(kept.size() + 1) * 2, field->visibleWidth());
    });
    screen.type("W");  // typed rather than pasted: refused the same way
    expectTextTooLong(screen, 1, "Question 2");
    screen.then([&] { EXPECT_EQ(fieldText(screen), kept); });
    screen.key(ui::Key::enter);
    script.cancel();
    runWizard();

    EXPECT_EQ(screen.messageBoxes().size(), 2u);
    EXPECT_EQ(answersFile(), "www.example.com\n" + kept + "\n_self\n");
}

}  // namespace
}  // namespace wizard::testing
