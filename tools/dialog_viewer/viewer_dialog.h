#pragma once

#include <string>
#include <vector>

#include "ui/dialog.h"

// A dialog built from its template alone, for templates whose own class is
// not at hand: it binds the answer field and the check box of the question
// template shape, and notes every command it sees, so that what the keys and
// clicks did can be read after the dialog has ended.

namespace dialog_viewer {

class ViewerDialog : public ui::Dialog {
  public:
    ViewerDialog(const ui::DialogTemplate& dialogTemplate, std::size_t answerLimit,
                 std::vector<std::string>& log);

    // The answer field (1001) and the check box (1002), where the template has them.
    bool hasAnswerField() const;
    bool hasCheckBox() const;
    const std::string& answerText() const { return answerText_; }
    int checked() const { return checked_; }

  protected:
    void exchangeData(ui::DataExchange& dx) override;
    bool onMessage(ui::Message& message) override;

  private:
    std::size_t answerLimit_;
    std::vector<std::string>& log_;
    std::string answerText_;
    int checked_ = 0;
};

}  // namespace dialog_viewer
