#include "ui/message_box.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/text_layout.h"

namespace ui {

namespace {

constexpr int widestLine = 60;  // columns of text before a box wraps
constexpr int buttonWidth = 10;

std::string_view iconGlyphs(MessageBoxIcon icon) {
    switch (icon) {
        case MessageBoxIcon::exclamation:
            return "/!\\";
        case MessageBoxIcon::stop:
            return "(X)";
        case MessageBoxIcon::information:
            return "(i)";
        case MessageBoxIcon::none:
            break;
    }
    return "";
}

std::string titleCaption() {
    Application* app = Application::current();
    return app ? app->title() : std::string();
}

}  // namespace

MessageBoxLayout::MessageBoxLayout(std::string_view text, MessageBoxIcon icon)
    : text(text), caption(titleCaption()), icon(icon) {
    // Message boxes show ampersands as typed.
    const std::vector<GlyphLine> lines = layoutText(this->text, widestLine, false);
    int textWidth = 1;
    for (const GlyphLine& line : lines)
        textWidth = std::max(textWidth, static_cast<int>(line.size()));
    const int textRows = std::max(1, static_cast<int>(lines.size()));
    const int iconWidth = icon == MessageBoxIcon::none ? 0 : 5;
    const int columns = std::max(
        {textWidth + iconWidth + 4, buttonWidth + 4, static_cast<int>(caption.size()) + 8});
    const int boxRows = textRows + 4;  // a blank row, the text, a blank row, the button

    auto unitsOf = [](int x, int y, int width, int height) {
        return units::UnitRect{x * units::unitsPerColumn, y * units::unitsPerRow,
                               width * units::unitsPerColumn, height * units::unitsPerRow};
    };
    const int textLeft = 2 + iconWidth;
    rows[0] = ControlTemplate{ControlKind::staticText, IDC_STATIC, this->text,
                              unitsOf(textLeft, 1, columns - textLeft - 1, textRows),
                              WS_CHILD | WS_VISIBLE | SS_NOPREFIX};
    rows[1] = ControlTemplate{ControlKind::pushButton, IDOK, "OK",
                              unitsOf((columns - buttonWidth) / 2, textRows + 2, buttonWidth, 2),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON};
    rows[2] = ControlTemplate{ControlKind::staticText, IDC_STATIC, iconGlyphs(icon),
                              unitsOf(2, 1, 3, 1), WS_CHILD | WS_VISIBLE | SS_NOPREFIX};
    layout = DialogTemplate{
        messageBoxTemplateNumber,
        caption,
        unitsOf(0, 0, columns, boxRows),
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        0,
        "MS Sans Serif",
        8,
        std::span<const ControlTemplate>(this->rows.data(), icon == MessageBoxIcon::none ? 2 : 3)};
}

MessageBoxDialog::MessageBoxDialog(std::string_view text, MessageBoxIcon icon, Dialog* owner)
    : MessageBoxLayout(text, icon), Dialog(MessageBoxLayout::layout, owner) {}

}  // namespace ui
