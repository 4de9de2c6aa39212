#include "ui/terminal/too_small_notice.h"

namespace ui::terminal {

std::vector<std::string> tooSmallNoticeLines(Size needed, Size terminal) {
    return {
        "The terminal is too small.",
        "It needs " + std::to_string(needed.width) + " x " + std::to_string(needed.height) +
            ", it has " + std::to_string(terminal.width) + " x " + std::to_string(terminal.height) +
            ".",
        "Enlarge it to go on,",
        "or press Ctrl+C to end.",
    };
}

NoticeInput noticeInputOf(const Event& event) {
    if (std::holds_alternative<ResizeEvent>(event))
        return NoticeInput::resize;
    // The terminal usually turns Ctrl+C into an interrupt signal itself; where it
    // delivers the key instead, the key ends the program all the same.
    if (const auto* key = std::get_if<KeyEvent>(&event)) {
        const Modifiers ctrl{.ctrl = true};
        if (key->key == Key::character && key->byte == 'c' && key->modifiers == ctrl)
            return NoticeInput::endProgram;
    }
    return NoticeInput::ignored;
}

}  // namespace ui::terminal
