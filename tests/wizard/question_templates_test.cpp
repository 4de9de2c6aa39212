#include <gtest/gtest.h>

#include <string>

#include "res/dialog_templates.h"
#include "ui/messages.h"
#include "wizard/question_dialogs.h"
#include "wizard/question_table.h"

namespace wizard {
namespace {

const ui::ControlTemplate* findControl(const ui::DialogTemplate& dialog, ui::ControlKind kind,
                                       int id) {
    for (const ui::ControlTemplate& control : dialog.controls) {
        if (control.kind == kind && control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

// The question table and the templates the dialogs are built from take their captions and
// prompts from the same constants; each row must name the texts of its own template.
TEST(QuestionTemplatesTest, EveryTemplateShowsItsRowsCaptionAndPrompt) {
    for (const Question& question : questionTable) {
        SCOPED_TRACE("Question " + std::string(question.order));
        const ui::DialogTemplate& dialog = res::dialogTemplate(question.templateId);
        EXPECT_EQ(dialog.caption, question.caption);
        const ui::ControlTemplate* prompt =
            findControl(dialog, ui::ControlKind::staticText, ui::IDC_STATIC);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->text, question.prompt);
    }
}

TEST(QuestionTemplatesTest, EveryTemplateHasTheControlsTheDialogsUse) {
    for (const Question& question : questionTable) {
        SCOPED_TRACE("Question " + std::string(question.order));
        const ui::DialogTemplate& dialog = res::dialogTemplate(question.templateId);
        const ui::ControlTemplate* field =
            findControl(dialog, ui::ControlKind::edit, answerFieldId);
        ASSERT_NE(field, nullptr);
        // Without horizontal scrolling the field refuses what does not fit its width.
        EXPECT_FALSE(ui::hasStyle(field->style, ui::ES_AUTOHSCROLL));
        EXPECT_EQ(dialog.controls.front().id, answerFieldId);  // the focus starts in the field
        EXPECT_NE(findControl(dialog, ui::ControlKind::pushButton, ui::IDOK), nullptr);
        EXPECT_NE(findControl(dialog, ui::ControlKind::pushButton, ui::ID_APP_EXIT), nullptr);
        EXPECT_NE(findControl(dialog, ui::ControlKind::pushButton, ui::ID_APP_ABOUT), nullptr);
        const bool hasFrameBox =
            findControl(dialog, ui::ControlKind::checkBox, CQuestion2Dlg::frameBoxId) != nullptr;
        EXPECT_EQ(hasFrameBox, question.templateId == CQuestion2Dlg::templateId);
    }
}

}  // namespace
}  // namespace wizard
