#pragma once

// The question dialogs, one class per row of the question table.
//
// The wizard begins with Question 1: the main dialog's Start handler constructs a
// `wizard::CQuestion1Dlg` with no parent and runs it modally. Every later dialog, up to the
// save dialog, runs nested inside the Next handler of the one before it, so that run returns
// only once the whole chain has ended.

#include "wizard/question_dialog.h"

namespace wizard {

// A question whose Next writes its answer with the row's writer and opens the row's next
// dialog: every question but Question 2.
template <int TemplateId>
class CBoundQuestionDlg : public CQuestionDlg {
  public:
    static constexpr int templateId = TemplateId;
    CBoundQuestionDlg() : CQuestionDlg(questionFor(TemplateId)) {}
};

// Question 2, the base directory, with the frame check box. Its Next ends the dialog before it
// writes, and then asks for the frame's name or writes "_self" for the target.
class CQuestion2Dlg : public CQuestionDlg {
  public:
    static constexpr int templateId = 130;
    static constexpr int frameBoxId = 1002;

    CQuestion2Dlg() : CQuestionDlg(questionFor(templateId)) {}

    // 1 while the frame box is ticked, 0 when not.
    int inFrame = 0;

  protected:
    void exchangeData(ui::DataExchange& dx) override;
    void onOk() override;
    bool onMessage(ui::Message& message) override;

  private:
    void onFrameBoxClicked();
};

using CQuestion1Dlg = CBoundQuestionDlg<129>;    // the site address; creates the answers file
using CQuestion2_2Dlg = CBoundQuestionDlg<140>;  // the frame's name
using CQuestion3Dlg = CBoundQuestionDlg<131>;
using CQuestion4Dlg = CBoundQuestionDlg<132>;
using CQuestion5Dlg = CBoundQuestionDlg<133>;
using CQuestion6Dlg = CBoundQuestionDlg<217>;
using CQuestion7Dlg = CBoundQuestionDlg<134>;
using CQuestion8Dlg = CBoundQuestionDlg<135>;
using CQuestion9Dlg = CBoundQuestionDlg<138>;
using CQuestion10Dlg = CBoundQuestionDlg<137>;
using CQuestion11Dlg = CBoundQuestionDlg<136>;
using CQuestion12Dlg = CBoundQuestionDlg<141>;  // opens the save dialog

}  // namespace wizard
