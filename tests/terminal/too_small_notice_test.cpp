#include "ui/terminal/too_small_notice.h"

#include <gtest/gtest.h>

namespace ui::terminal {
namespace {

TEST(TooSmallNotice, SaysWhatIsNeededAndHowToLeave) {
    const std::vector<std::string> expected{
        "The terminal is too small.",
        "It needs 67 x 20, it has 60 x 15.",
        "Enlarge it to go on,",
        "or press Ctrl+C to end.",
    };
    EXPECT_EQ(tooSmallNoticeLines({67, 20}, {60, 15}), expected);
}

TEST(TooSmallNotice, OnlyCtrlCAndResizingCountWhileItShows) {
    struct Case {
        const char* name;
        Event event;
        NoticeInput expected;
    };
    const Case cases[] = {
        {"Ctrl+C", KeyEvent{Key::character, 'c', {.ctrl = true}}, NoticeInput::endProgram},
        {"a resize", ResizeEvent{{80, 24}}, NoticeInput::resize},
        {"Esc", KeyEvent{Key::escape, 0, {}}, NoticeInput::ignored},
        {"Enter", KeyEvent{Key::enter, 0, {}}, NoticeInput::ignored},
        {"a plain c", KeyEvent{Key::character, 'c', {}}, NoticeInput::ignored},
        {"Alt+C", KeyEvent{Key::character, 'c', {.alt = true}}, NoticeInput::ignored},
        {"Ctrl+Alt+C", KeyEvent{Key::character, 'c', {.ctrl = true, .alt = true}},
         NoticeInput::ignored},
        {"Ctrl+Q", KeyEvent{Key::character, 'q', {.ctrl = true}}, NoticeInput::ignored},
        {"a click", MouseEvent{MouseAction::press, {3, 4}, 1, {}}, NoticeInput::ignored},
        {"a paste", PasteEvent{"text"}, NoticeInput::ignored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(noticeInputOf(c.event), c.expected);
    }
}

}  // namespace
}  // namespace ui::terminal
