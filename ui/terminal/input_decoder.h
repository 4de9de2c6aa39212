#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <variant>

#include "ui/event.h"

// Turns what the terminal delivers, one piece at a time, into the toolkit's
// events. The terminal gives printable characters as Unicode, named keys as
// key events, and everything it does not know as loose characters; this is
// where an Esc alone, an Alt+letter (Esc, then the letter), a bracketed paste
// (Esc [ 200 ~ ... Esc [ 201 ~), mouse reports and the odd unparsed control
// sequence are
// told apart. Knows nothing of curses.

namespace ui::terminal {

// A Unicode character as the terminal delivered it, control characters included.
struct TypedCharacter {
    char32_t code = 0;
};

// Nothing more arrived within the patience the decoder asked for.
struct Idle {};

using RawInput = std::variant<TypedCharacter, KeyEvent, MouseEvent, ResizeEvent, Idle>;

// Windows-1252 byte of a Unicode character, or nothing when it has none.
using Windows1252Encoder = std::optional<unsigned char> (*)(char32_t);

class InputDecoder {
  public:
    explicit InputDecoder(Windows1252Encoder encode) : encode_(encode) {}

    void feed(const RawInput& input);

    // The next finished event, oldest first.
    std::optional<Event> takeEvent();

    // While a sequence is half read, how long to wait for its rest before
    // feeding Idle. Nothing when no sequence is open.
    std::optional<std::chrono::milliseconds> patience() const;

  private:
    enum class State {
        ground,
        escape,           // an Esc arrived: a key of its own, or a prefix
        controlSequence,  // Esc [ and its parameters so far
        legacyMouse,      // Esc [ M and the three bytes of an old-style mouse report
        paste,            // inside a bracketed paste
        pasteEscape,      // an Esc inside a paste: perhaps the paste's end
    };

    void feedGround(const RawInput& input);
    void feedEscape(const RawInput& input);
    void feedControlSequence(const RawInput& input);
    void feedLegacyMouse(const RawInput& input);
    void feedPaste(const RawInput& input);
    void feedPasteEscape(const RawInput& input);

    void emitCharacter(char32_t code, Modifiers modifiers);
    void finishControlSequence(char32_t finalByte);
    void pushMouse(int report, MouseAction action, Point at);
    void appendToPaste(char32_t code);
    void finishPaste();

    Windows1252Encoder encode_;
    State state_ = State::ground;
    std::string sequence_;  // parameters of an open control sequence, or a paste's candidate end
    std::string pasted_;    // Windows-1252 text of the paste so far
    int pasteRefused_ = 0;  // characters of the paste with no Windows-1252 byte
    std::deque<Event> events_;
};

}  // namespace ui::terminal
