#include "wizard/question_dialog.h"

#include <optional>

#include "generator/answers_claim.h"
#include "generator/answers_file.h"
#include "res/dialog_templates.h"
#include "wizard/question_chain.h"

namespace wizard {

CQuestionDlg::CQuestionDlg(const Question& question)
    : ui::Dialog(res::dialogTemplate(question.templateId)), question_(question) {}

void CQuestionDlg::exchangeData(ui::DataExchange& dx) {
    dx.text(answerFieldId, answerText);
    dx.maxChars(answerFieldId, answerText, question_.limit);
}

void CQuestionDlg::onOk() {
    // The field never holds more than its limit, so fetching cannot fail.
    if (!updateData()) {
        return;
    }
    // Question 1 claims the folder's answers file for the whole run: the claim lives in this
    // handler's frame, inside which the rest of the chain runs.
    std::optional<generator::AnswersFileClaim> claim;
    if (question_.writer == Writer::createAnswersFile) {
        claim.emplace();
    }
    writeAnswer(answerText);
    endDialog(ui::IDOK);
    runDialog(question_.next);
}

bool CQuestionDlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CQuestionDlg> table[] = {
        {ui::WM_COMMAND, ui::EN_MAXTEXT, answerFieldId, &CQuestionDlg::onTextTooLong},
    };
    return ui::dispatchMessage(*this, table, message) || ui::Dialog::onMessage(message);
}

void CQuestionDlg::writeAnswer(std::string_view text) const {
    switch (question_.writer) {
        case Writer::createAnswersFile:
            generator::createAnswersFile(text);
            return;
        case Writer::appendAnswer:
            generator::appendAnswer(text);
            return;
    }
}

void CQuestionDlg::onTextTooLong() {
    messageBox(textTooLongMessage);
}

}  // namespace wizard
