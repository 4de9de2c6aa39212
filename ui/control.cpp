#include "ui/control.h"

#include "ui/controls/animation.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/group_box.h"
#include "ui/controls/list_box.h"
#include "ui/controls/picture.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/push_button.h"
#include "ui/controls/static_text.h"
#include "ui/dialog.h"
#include "ui/text_layout.h"

namespace ui {

Control::Control(Dialog& dialog, const ControlTemplate& source)
    : dialog_(dialog),
      source_(source),
      id_(source.id),
      kind_(source.kind),
      style_(source.style),
      text_(source.text),
      rect_(cellsOf(source)),
      visible_(ui::hasStyle(source.style, WS_VISIBLE)),
      enabled_(!ui::hasStyle(source.style, WS_DISABLED)) {}

std::optional<char> Control::mnemonic() const {
    if (kind_ == ControlKind::edit || kind_ == ControlKind::listBox)
        return std::nullopt;
    if (kind_ == ControlKind::staticText && hasStyle(SS_NOPREFIX))
        return std::nullopt;
    return mnemonicOf(text_);
}

void Control::notify(int code) {
    dialog_.command(id_, code);
}

std::unique_ptr<Control> makeControl(Dialog& dialog, const ControlTemplate& source) {
    switch (source.kind) {
        case ControlKind::pushButton:
            return std::make_unique<PushButton>(dialog, source);
        case ControlKind::checkBox:
            return std::make_unique<CheckBox>(dialog, source);
        case ControlKind::edit:
            return std::make_unique<EditBox>(dialog, source);
        case ControlKind::listBox:
            return std::make_unique<ListBox>(dialog, source);
        case ControlKind::progressBar:
            return std::make_unique<ProgressBar>(dialog, source);
        case ControlKind::groupBox:
            return std::make_unique<GroupBox>(dialog, source);
        case ControlKind::staticText:
            return std::make_unique<StaticText>(dialog, source);
        case ControlKind::picture:
        case ControlKind::icon:
            return std::make_unique<Picture>(dialog, source);
        case ControlKind::animation:
            return std::make_unique<Animation>(dialog, source);
    }
    return std::make_unique<StaticText>(dialog, source);
}

}  // namespace ui
