#include "tools/dialog_viewer/viewer_dialog.h"

#include <algorithm>

namespace dialog_viewer {
namespace {

constexpr int answerField = 1001;
constexpr int frameCheckBox = 1002;

bool hasControl(const ui::DialogTemplate& dialogTemplate, int id) {
    return std::any_of(dialogTemplate.controls.begin(), dialogTemplate.controls.end(),
                       [id](const ui::ControlTemplate& control) { return control.id == id; });
}

}  // namespace

ViewerDialog::ViewerDialog(const ui::DialogTemplate& dialogTemplate, std::size_t answerLimit,
                           std::vector<std::string>& log)
    : ui::Dialog(dialogTemplate), answerLimit_(answerLimit), log_(log) {}

bool ViewerDialog::hasAnswerField() const {
    return hasControl(dialogTemplate(), answerField);
}

bool ViewerDialog::hasCheckBox() const {
    return hasControl(dialogTemplate(), frameCheckBox);
}

void ViewerDialog::exchangeData(ui::DataExchange& dx) {
    if (hasAnswerField()) {
        dx.text(answerField, answerText_);
        if (answerLimit_ > 0)
            dx.maxChars(answerField, answerText_, answerLimit_);
    }
    if (hasControl(dialogTemplate(), frameCheckBox))
        dx.check(frameCheckBox, checked_);
}

bool ViewerDialog::onMessage(ui::Message& message) {
    if (message.id == ui::WM_COMMAND)
        log_.push_back("command " + std::to_string(message.controlId) + " code " +
                       std::to_string(message.code) + " in " + std::to_string(templateNumber()));
    return ui::Dialog::onMessage(message);
}

}  // namespace dialog_viewer
