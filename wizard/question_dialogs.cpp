#include "wizard/question_dialogs.h"

#include "generator/answers_file.h"
#include "wizard/question_chain.h"

namespace wizard {

void CQuestion2Dlg::exchangeData(ui::DataExchange& dx) {
    CQuestionDlg::exchangeData(dx);
    dx.check(frameBoxId, inFrame);
}

void CQuestion2Dlg::onOk() {
    // Ending with OK fetches the text and reads the frame box again; the dialog is gone before
    // anything is written, so a failed write ends the chain here.
    ui::Dialog::onOk();
    if (!hasEnded()) {
        return;
    }
    if (answerText.empty()) {
        answerText = std::string(rootDirectory);
    }
    writeAnswer(answerText);
    if (inFrame == 1) {
        runDialog(*question().nextInFrame);
        return;
    }
    writeAnswer(noFrameTarget);
    runDialog(question().next);
}

bool CQuestion2Dlg::onMessage(ui::Message& message) {
    static constexpr ui::MessageEntry<CQuestion2Dlg> table[] = {
        {ui::WM_COMMAND, ui::BN_CLICKED, frameBoxId, &CQuestion2Dlg::onFrameBoxClicked},
    };
    return ui::dispatchMessage(*this, table, message) || CQuestionDlg::onMessage(message);
}

void CQuestion2Dlg::onFrameBoxClicked() {
    inFrame = inFrame == 1 ? 0 : 1;
}

}  // namespace wizard
