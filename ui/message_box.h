#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/dialog.h"

// The message box: a small dialog with the text, the application title as
// caption, one OK button and an optional icon, drawn centred over its owner.

namespace ui {

// The box's own template, built from its text before the dialog part.
struct MessageBoxLayout {
    MessageBoxLayout(std::string_view text, MessageBoxIcon icon);

    std::string text;
    std::string caption;
    MessageBoxIcon icon;
    std::array<ControlTemplate, 3> rows;
    DialogTemplate layout;
};

class MessageBoxDialog : private MessageBoxLayout, public Dialog {
  public:
    MessageBoxDialog(std::string_view text, MessageBoxIcon icon, Dialog* owner);

    const std::string& text() const { return MessageBoxLayout::text; }
    const std::string& boxCaption() const { return MessageBoxLayout::caption; }
    MessageBoxIcon boxIcon() const { return MessageBoxLayout::icon; }

  protected:
    void onCancel() override { endDialog(IDOK); }
};

// The template number of every message box.
inline constexpr int messageBoxTemplateNumber = 0;

}  // namespace ui
