#pragma once

#include <string>
#include <string_view>

#include "ui/dialog.h"
#include "wizard/question_table.h"

// What every question dialog shares: the answer field with its row's limit, the "Text Too Long!"
// message when the user types or pastes past it, and a Next that writes the answer, ends the
// dialog and runs the next one. Quit and About have no row here: the toolkit passes them on to
// the owner, up to the main dialog.

namespace wizard {

inline constexpr int answerFieldId = 1001;
inline constexpr std::string_view textTooLongMessage = "Text Too Long!";

class CQuestionDlg : public ui::Dialog {
  public:
    const Question& question() const { return question_; }

    // The answer; empty until Next fetches it from the field.
    std::string answerText;

  protected:
    explicit CQuestionDlg(const Question& question);

    void exchangeData(ui::DataExchange& dx) override;
    // Next writes before it ends the dialog, so a failed write leaves the dialog open with its
    // text and Next can be pressed again. Question 1's Next first claims the answers file for the
    // run; while another run owns it, it says so and writes nothing.
    void onOk() override;
    bool onMessage(ui::Message& message) override;

    // One line of the answers file, through the row's writer.
    void writeAnswer(std::string_view text) const;

  private:
    void onTextTooLong();

    const Question& question_;
};

}  // namespace wizard
