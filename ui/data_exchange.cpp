#include "ui/data_exchange.h"

#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/dialog.h"

namespace ui {

bool ControlHandle::isAttached() const {
    return get() != nullptr;
}

Control* ControlHandle::get() const {
    if (!dialog_ || !dialog_->isRunning())
        return nullptr;
    return dialog_->control(id_);
}

MessageResult ControlHandle::sendMessage(MessageId message, WParam wParam, LParam lParam) const {
    Control* target = get();
    return target ? target->onMessage(message, wParam, lParam) : 0;
}

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

Control* DataExchange::find(int controlId) const {
    return dialog_.control(controlId);
}

void DataExchange::fail(int controlId) {
    failed_ = true;
    dialog_.setFocus(controlId);
}

void DataExchange::text(int controlId, std::string& value) {
    if (failed_)
        return;
    Control* target = find(controlId);
    if (!target)
        return;
    if (saving_)
        value = target->text();
    else
        target->setText(value);
}

void DataExchange::maxChars(int controlId, const std::string& value, std::size_t limit) {
    if (failed_)
        return;
    if (!saving_) {
        if (auto* edit = dynamic_cast<EditBox*>(find(controlId)))
            edit->setLimit(limit);
        return;
    }
    if (value.size() <= limit)
        return;
    dialog_.messageBox("Please enter no more than " + std::to_string(limit) + " characters.",
                       MessageBoxIcon::exclamation);
    fail(controlId);
}

void DataExchange::check(int controlId, int& value) {
    if (failed_)
        return;
    auto* box = dynamic_cast<CheckBox*>(find(controlId));
    if (!box)
        return;
    if (saving_)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value == 1);
}

void DataExchange::control(int controlId, ControlHandle& handle) {
    if (failed_)
        return;
    handle.dialog_ = &dialog_;
    handle.id_ = controlId;
}

}  // namespace ui
