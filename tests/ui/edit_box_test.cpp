// The answer field edits as a desktop edit box does: keys move, select,
// delete, cut, copy, paste and undo; the mouse places the caret and selects;
// the bounds and EN_MAXTEXT hold on every path that adds text.

#include <string>
#include <string_view>
#include <vector>

#include "tests/ui/toolkit_fixture.h"
#include "ui/controls/edit_box.h"

namespace {

using ui::Key;
using ui::KeyEvent;

constexpr int fieldId = 1001;

// Template 129 (a question's shape) with its field limited to `limit`,
// counting the EN_MAXTEXT notifications.
class FieldDialog : public ui::Dialog {
  public:
    explicit FieldDialog(std::size_t limit = 30)
        : ui::Dialog(res::dialogTemplate(129)), limit_(limit) {}
    int maxTexts = 0;

    ui::EditBox& field() const { return *controlAs<ui::EditBox>(fieldId); }
    // A screen cell of the field: its column `x` from the left.
    ui::Point fieldCell(int x) const {
        const ui::Rect client = clientRect();
        const ui::Rect r = field().rect();
        return {client.x + r.x + x, client.y + r.y};
    }

  protected:
    void exchangeData(ui::DataExchange& dx) override {
        dx.text(fieldId, value_);
        dx.maxChars(fieldId, value_, limit_);
    }
    bool onMessage(ui::Message& message) override {
        if (message.id == ui::WM_COMMAND && message.code == ui::EN_MAXTEXT &&
            message.controlId == fieldId)
            ++maxTexts;
        return false;
    }

  private:
    std::string value_;
    std::size_t limit_;
};

// A field's state written as its text with '|' at the caret and, when
// something is selected, '^' at the anchor: "a^bc|" has "bc" selected.
struct FieldState {
    std::string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
};

FieldState parse(std::string_view notation) {
    FieldState state;
    bool anchored = false;
    for (char c : notation) {
        if (c == '|') {
            state.caret = state.text.size();
        } else if (c == '^') {
            state.anchor = state.text.size();
            anchored = true;
        } else {
            state.text += c;
        }
    }
    if (!anchored)
        state.anchor = state.caret;
    return state;
}

std::string notationOf(const ui::EditText& editing) {
    std::string notation;
    for (std::size_t i = 0; i <= editing.text().size(); ++i) {
        if (editing.hasSelection() && i == editing.anchor())
            notation += '^';
        if (i == editing.caret())
            notation += '|';
        if (i < editing.text().size())
            notation += editing.text()[i];
    }
    return notation;
}

constexpr ui::Modifiers shift{.shift = true};
constexpr ui::Modifiers ctrl{.ctrl = true};
constexpr ui::Modifiers ctrlShift{.shift = true, .ctrl = true};

KeyEvent press(Key key, ui::Modifiers modifiers = {}) {
    return {key, 0, modifiers};
}
KeyEvent ctrlLetter(char letter) {
    return {Key::character, static_cast<unsigned char>(letter), ctrl};
}
KeyEvent typed(char character) {
    return {Key::character, static_cast<unsigned char>(character), {}};
}

ui::PasteEvent pasted(std::string text, int refused = 0) {
    return {std::move(text), refused};
}

struct EditResult {
    std::string field;  // in the notation above
    int maxTexts = 0;
};

class EditBoxTest : public ToolkitTest {
  protected:
    // Two clicks, `pause` apart on the screen's clock.
    void clickTwice(const std::function<ui::Point()>& first,
                    const std::function<ui::Point()>& second, std::chrono::milliseconds pause) {
        screen.mouse(ui::MouseAction::press, first).mouse(ui::MouseAction::release, first);
        screen.advance(pause);
        screen.mouse(ui::MouseAction::press, second).mouse(ui::MouseAction::release, second);
    }

    // Runs a field of the given limit from `start` through the input, with
    // `clipboard` on the clipboard.
    EditResult edit(std::string_view start, const std::vector<ui::Event>& input,
                    std::size_t limit = 30, const std::string& clipboard = {}) {
        FieldDialog dialog(limit);
        const FieldState state = parse(start);
        EditResult result;
        screen.then([&] {
            app.clipboard().setText(clipboard);
            dialog.field().setText(state.text);
            dialog.field().select(state.anchor, state.caret);
        });
        for (const ui::Event& event : input)
            screen.event(event);
        screen.then([&] { result.field = notationOf(dialog.field().editing()); }).key(Key::escape);
        dialog.runModal();
        result.maxTexts = dialog.maxTexts;
        return result;
    }
};

TEST_F(EditBoxTest, KeysMoveSelectDeleteCutCopyPasteAndUndo) {
    struct Case {
        const char* name;
        const char* start;
        std::vector<ui::Event> keys;
        const char* expected;
    };
    const Case cases[] = {
        // Moving
        {"left", "ab|c", {press(Key::left)}, "a|bc"},
        {"left at the start stays", "|abc", {press(Key::left)}, "|abc"},
        {"right", "a|bc", {press(Key::right)}, "ab|c"},
        {"right at the end stays", "abc|", {press(Key::right)}, "abc|"},
        {"home", "ab|c", {press(Key::home)}, "|abc"},
        {"end", "a|bc", {press(Key::end)}, "abc|"},
        {"ctrl+left to the word's start",
         "www.example.com|",
         {press(Key::left, ctrl)},
         "www.example.|com"},
        {"ctrl+left twice",
         "www.example.com|",
         {press(Key::left, ctrl), press(Key::left, ctrl)},
         "www.|example.com"},
        {"ctrl+right to the next word's start",
         "|www.example.com",
         {press(Key::right, ctrl)},
         "www.|example.com"},
        {"ctrl+right over spaces", "|one  two", {press(Key::right, ctrl)}, "one  |two"},
        {"ctrl+right in the last word", "one tw|o", {press(Key::right, ctrl)}, "one two|"},
        {"accented letters are word letters",
         "caf\xE9 bar|",
         {press(Key::left, ctrl), press(Key::left, ctrl)},
         "|caf\xE9 bar"},

        // Selecting
        {"shift+left", "abc|", {press(Key::left, shift), press(Key::left, shift)}, "a|bc^"},
        {"shift+right and back",
         "|abc",
         {press(Key::right, shift), press(Key::right, shift), press(Key::left, shift)},
         "^a|bc"},
        {"shift+home", "ab|c", {press(Key::home, shift)}, "|ab^c"},
        {"shift+end", "a|bc", {press(Key::end, shift)}, "a^bc|"},
        {"ctrl+shift+left", "one two|", {press(Key::left, ctrlShift)}, "one |two^"},
        {"ctrl+shift+right", "|one two", {press(Key::right, ctrlShift)}, "^one |two"},
        {"left ends a selection at its start", "a^bc|d", {press(Key::left)}, "a|bcd"},
        {"right ends a selection at its end", "a|bc^d", {press(Key::right)}, "abc|d"},
        {"home ends a selection", "a^bc|d", {press(Key::home)}, "|abcd"},
        {"ctrl+a", "ab|c", {ctrlLetter('a')}, "^abc|"},

        // Deleting and replacing
        {"backspace", "ab|c", {press(Key::backspace)}, "a|c"},
        {"backspace at the start", "|abc", {press(Key::backspace)}, "|abc"},
        {"delete", "a|bc", {press(Key::del)}, "a|c"},
        {"delete at the end", "abc|", {press(Key::del)}, "abc|"},
        {"backspace removes the selection", "a^bc|d", {press(Key::backspace)}, "a|d"},
        {"delete removes the selection", "a|bc^d", {press(Key::del)}, "a|d"},
        {"typing replaces the selection", "a^bc|d", {typed('X')}, "aX|d"},
        {"space replaces the selection", "a^bc|d", {press(Key::space)}, "a |d"},
        {"ctrl+a then typing", "abc|", {ctrlLetter('a'), typed('z')}, "z|"},

        // The clipboard
        {"copy keeps the text",
         "^ab|c",
         {ctrlLetter('c'), press(Key::end), ctrlLetter('v')},
         "abcab|"},
        {"cut, then paste elsewhere",
         "a^bc|d",
         {ctrlLetter('x'), press(Key::home), ctrlLetter('v')},
         "bc|ad"},
        {"paste replaces the selection",
         "^one| two",
         {ctrlLetter('c'), press(Key::right, ctrl), press(Key::end, shift), ctrlLetter('v')},
         "one one|"},
        {"shift+delete cuts",
         "a^bc|",
         {press(Key::del, shift), press(Key::home), ctrlLetter('v')},
         "bc|a"},
        {"an empty clipboard pastes nothing", "a^b|", {ctrlLetter('v')}, "a^b|"},
        {"cut without a selection", "ab|", {ctrlLetter('x'), ctrlLetter('v')}, "ab|"},

        // Undo
        {"undo takes back a run of typing",
         "ab|",
         {typed('x'), typed('y'), typed('z'), ctrlLetter('z')},
         "ab|"},
        {"a second undo brings it back",
         "ab|",
         {typed('x'), ctrlLetter('z'), ctrlLetter('z')},
         "abx|"},
        {"moving ends the run",
         "a|",
         {typed('b'), press(Key::home), press(Key::end), typed('c'), ctrlLetter('z')},
         "ab|"},
        {"undo of a cut brings back the selection",
         "a^bc|d",
         {ctrlLetter('x'), ctrlLetter('z')},
         "a^bc|d"},
        {"undo of a paste",
         "^ab|",
         {ctrlLetter('c'), press(Key::end), ctrlLetter('v'), ctrlLetter('z')},
         "ab|"},
        {"undo of a run of backspaces",
         "abcd|",
         {press(Key::backspace), press(Key::backspace), ctrlLetter('z')},
         "abcd|"},
        {"undo of typing over a selection",
         "a^bc|d",
         {typed('X'), typed('Y'), ctrlLetter('z')},
         "a^bc|d"},
        {"nothing to undo", "ab|", {ctrlLetter('z')}, "ab|"},
    };
    for (const Case& c : cases) {
        const EditResult result = edit(c.start, c.keys);
        EXPECT_EQ(result.field, c.expected) << c.name;
        EXPECT_EQ(result.maxTexts, 0) << c.name;
    }
}

TEST_F(EditBoxTest, EveryWayOfAddingTextKeepsTheLimitAndTheWidth) {
    screen.setCellWidth('W', 2);  // the field is 58 cells wide; its text may take 57
    const std::string wide27(27, 'W');
    struct Case {
        const char* name;
        std::size_t limit;
        std::string start;
        std::string clipboard;
        std::vector<ui::Event> input;
        std::string expected;
        int maxTexts;
    };
    const Case cases[] = {
        {"ctrl+v is cut to the limit", 8, "abcde|", "123456", {ctrlLetter('v')}, "abcde123|", 1},
        {"ctrl+v over a selection", 6, "ab^cd|ef", "1234", {ctrlLetter('v')}, "ab12|ef", 1},
        {"a terminal's paste over a selection", 6, "ab^cd|ef", "", {pasted("1234")}, "ab12|ef", 1},
        {"a paste that fits", 6, "ab^cd|ef", "12", {ctrlLetter('v')}, "ab12|ef", 0},
        {"a paste takes its first line only", 30, "ab|", "cd\r\nef", {ctrlLetter('v')}, "abcd|", 0},
        {"typing over a selection in a full field", 4, "a^b|cd", "", {typed('x')}, "ax|cd", 0},
        {"typing into a full field", 4, "ab|cd", "", {typed('x')}, "ab|cd", 1},
        {"nothing of the paste fits: the selection stays",
         4,
         "a^b|cd",
         "xyz",
         {ctrlLetter('x'), ctrlLetter('v'), ctrlLetter('v')},
         "ab|cd",
         1},
        {"undo brings back what fitted",
         5,
         "abcde|",
         "",
         {ctrlLetter('a'), typed('x'), ctrlLetter('z')},
         "^abcde|",
         0},
        {"wide characters run out of width first",
         60,
         wide27 + "|",
         "WWW",
         {ctrlLetter('v')},
         wide27 + "W|",
         1},
        {"a wide paste over a narrow selection",
         60,
         wide27 + "^a|",
         "WW",
         {ctrlLetter('v')},
         wide27 + "W|",
         1},
    };
    for (const Case& c : cases) {
        const EditResult result = edit(c.start, c.input, c.limit, c.clipboard);
        EXPECT_EQ(result.field, c.expected) << c.name;
        EXPECT_EQ(result.maxTexts, c.maxTexts) << c.name;
    }
}

TEST_F(EditBoxTest, TheSelectionShowsReversedWhileTheFieldHasTheFocus) {
    FieldDialog dialog;
    // The field's first cells, reversed ones in brackets.
    const auto shown = [&] {
        std::string cells;
        for (int x = 0; x < 5; ++x) {
            const ui::Cell& cell = screen.lastFrame().canvas.at(dialog.fieldCell(x));
            const char c = static_cast<char>(cell.ch);
            cells += ui::hasStyle(cell.style, ui::CellStyle::reverse) ? std::string{'[', c, ']'}
                                                                      : std::string{c};
        }
        return cells;
    };
    screen.type("abcd")
        .key(Key::left, shift)
        .key(Key::left, shift)
        .then([&] { EXPECT_EQ(shown(), "ab[c][d] "); })
        .key(Key::tab)
        .then([&] { EXPECT_EQ(shown(), "abcd "); })
        .shiftTab()
        .then([&] { EXPECT_EQ(shown(), "ab[c][d] "); })
        .key(Key::escape);
    dialog.runModal();
}

TEST_F(EditBoxTest, AnUndoThatNoLongerFitsIsRefusedWithTheNotification) {
    FieldDialog dialog(10);
    screen.type("abcdef")
        .ctrl('a')
        .type("x")
        .then([&] { dialog.field().setLimit(3); })  // EM_LIMITTEXT while the dialog runs
        .ctrl('z')
        .then([&] {
            EXPECT_EQ(screen.controlText(fieldId), "x");
            EXPECT_EQ(dialog.maxTexts, 1);
        })
        .key(Key::escape);
    dialog.runModal();
}

TEST_F(EditBoxTest, ACharacterWithoutAWindows1252ByteRingsTheBell) {
    FieldDialog dialog;
    screen.type("ab")
        .key(Key::foreignCharacter)
        .then([&] { EXPECT_EQ(screen.bells(), 1); })
        .paste("cd")  // a paste with nothing left out is silent
        .event(pasted("ef", 1))
        .then([&] {
            EXPECT_EQ(screen.bells(), 2);
            EXPECT_EQ(screen.controlText(fieldId), "abcdef");
        })
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(dialog.maxTexts, 0);
}

TEST_F(EditBoxTest, CutAndCopyReachTheScreensClipboard) {
    FieldDialog dialog;
    screen.type("one two")
        .key(Key::left, ctrlShift)
        .ctrl('c')
        .key(Key::home)
        .key(Key::right, shift)
        .ctrl('x')
        .ctrl('c')  // nothing selected: the clipboard keeps "o"
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(screen.clipboardOffers(), (std::vector<std::string>{"two", "o"}));
    EXPECT_EQ(app.clipboard().text(), "o");
}

TEST_F(EditBoxTest, CtrlCCopiesInTheFieldAndEndsTheProgramElsewhere) {
    FieldDialog dialog;
    screen.type("abc").ctrl('c').then([&] { EXPECT_EQ(screen.topCaption(), "Question 1"); });
    screen.key(Key::tab).ctrl('c');  // the focus on Next
    EXPECT_THROW(dialog.runModal(), ui::Interrupted);
}

TEST_F(EditBoxTest, TheMousePlacesTheCaretAndSelects) {
    struct Case {
        const char* name;
        std::function<void(FieldDialog&)> mouse;
        const char* expected;
    };
    using ui::MouseAction;
    const auto at = [](FieldDialog& d, int x) { return [&d, x] { return d.fieldCell(x); }; };
    const Case cases[] = {
        {"a click places the caret",
         [&](FieldDialog& d) { screen.mouse(MouseAction::press, at(d, 2)); }, "ww|w.example.com"},
        {"a click past the text goes to its end",
         [&](FieldDialog& d) { screen.mouse(MouseAction::press, at(d, 40)); }, "www.example.com|"},
        {"a drag selects",
         [&](FieldDialog& d) {
             screen.mouse(MouseAction::press, at(d, 1))
                 .mouse(MouseAction::drag, at(d, 3))
                 .mouse(MouseAction::drag, at(d, 6))
                 .mouse(MouseAction::release, at(d, 6));
         },
         "w^ww.ex|ample.com"},
        {"the release ends the selection where it is",
         [&](FieldDialog& d) {
             screen.mouse(MouseAction::press, at(d, 1))
                 .mouse(MouseAction::drag, at(d, 3))
                 .mouse(MouseAction::release, at(d, 6));
         },
         "w^ww.ex|ample.com"},
        {"a drag to the left selects backwards",
         [&](FieldDialog& d) {
             screen.mouse(MouseAction::press, at(d, 6))
                 .mouse(MouseAction::drag, at(d, 4))
                 .mouse(MouseAction::release, at(d, 4));
         },
         "www.|ex^ample.com"},
        {"shift+click selects from the caret",
         [&](FieldDialog& d) {
             screen.mouse(MouseAction::press, at(d, 4))
                 .mouse(MouseAction::release, at(d, 4))
                 .mouse(MouseAction::press, at(d, 11), shift);
         },
         "www.^example|.com"},
        {"a double-click selects the word",
         [&](FieldDialog& d) { clickTwice(at(d, 6), at(d, 6), {}); }, "www.^example|.com"},
        {"a double-click on a dot selects the dot",
         [&](FieldDialog& d) { clickTwice(at(d, 3), at(d, 3), {}); }, "www^.|example.com"},
        {"two clicks far apart in time",
         [&](FieldDialog& d) { clickTwice(at(d, 6), at(d, 6), std::chrono::milliseconds(600)); },
         "www.ex|ample.com"},
        {"two quick clicks on two cells",
         [&](FieldDialog& d) { clickTwice(at(d, 6), at(d, 7), {}); }, "www.exa|mple.com"},
    };
    for (const Case& c : cases) {
        FieldDialog dialog;
        std::string result;
        screen.type("www.example.com");
        c.mouse(dialog);
        screen.then([&] { result = notationOf(dialog.field().editing()); }).key(Key::escape);
        dialog.runModal();
        EXPECT_EQ(result, c.expected) << c.name;
    }
}

}  // namespace
