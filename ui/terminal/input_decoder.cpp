#include "ui/terminal/input_decoder.h"

#include <array>
#include <charconv>
#include <string_view>

namespace ui::terminal {
namespace {

constexpr char32_t escapeCode = 0x1B;
constexpr std::string_view pasteStart = "200~";
constexpr std::string_view pasteEndAfterEscape = "[201~";

// An Esc alone must act at once, yet the rest of a sequence from the same
// keystroke arrives within a few milliseconds.
constexpr std::chrono::milliseconds sequencePatience{30};
// A paste arrives in one burst; a paste whose end never comes is closed after this.
constexpr std::chrono::milliseconds pastePatience{500};

// Control characters that name keys of their own.
struct ControlKey {
    char32_t code;
    Key key;
};
constexpr std::array<ControlKey, 5> controlKeys{{
    {U'\r', Key::enter},
    {U'\n', Key::enter},
    {U'\t', Key::tab},
    {0x7F, Key::backspace},
    {0x08, Key::backspace},
}};

// Control sequences that terminals send for named keys, for those the terminal
// layer did not already recognise: Esc [ final, or Esc [ number ~.
struct SequenceKey {
    std::string_view sequence;
    Key key;
    Modifiers modifiers;
};
constexpr std::array<SequenceKey, 14> sequenceKeys{{
    {"A", Key::up, {}},
    {"B", Key::down, {}},
    {"C", Key::right, {}},
    {"D", Key::left, {}},
    {"H", Key::home, {}},
    {"F", Key::end, {}},
    {"Z", Key::tab, {.shift = true}},
    {"1~", Key::home, {}},
    {"7~", Key::home, {}},
    {"4~", Key::end, {}},
    {"8~", Key::end, {}},
    {"3~", Key::del, {}},
    {"5~", Key::pageUp, {}},
    {"6~", Key::pageDown, {}},
}};

// xterm's keys with modifiers carry them as a second parameter, one more
// than the sum of these: Esc [ 1 ; 5 D is Ctrl+Left, Esc [ 3 ; 2 ~ Shift+Del.
std::optional<Modifiers> modifiersOfParameter(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    const int bits = value - 1;
    return Modifiers{.shift = (bits & 1) != 0, .ctrl = (bits & 4) != 0, .alt = (bits & 2) != 0};
}

std::optional<KeyEvent> keyOfSequence(std::string_view sequence) {
    Modifiers modifiers;
    std::string plain(sequence);
    if (const auto semicolon = sequence.find(';'); semicolon != std::string_view::npos) {
        const char finalByte = sequence.back();
        const std::string_view number = sequence.substr(0, semicolon);
        const auto given =
            modifiersOfParameter(sequence.substr(semicolon + 1, sequence.size() - semicolon - 2));
        if (!given || (finalByte != '~' && number != "1"))
            return std::nullopt;
        modifiers = *given;
        plain = finalByte == '~' ? std::string(number) + '~' : std::string(1, finalByte);
    }
    for (const SequenceKey& entry : sequenceKeys) {
        if (entry.sequence == plain) {
            const Modifiers own = entry.modifiers;
            return KeyEvent{entry.key,
                            0,
                            {.shift = own.shift || modifiers.shift,
                             .ctrl = own.ctrl || modifiers.ctrl,
                             .alt = own.alt || modifiers.alt}};
        }
    }
    return std::nullopt;
}

bool isPrintable(char32_t code) {
    return code >= 0x20 && code != 0x7F && !(code >= 0x80 && code < 0xA0);
}

// Parses "b;x;y" of an SGR mouse report.
std::optional<std::array<int, 3>> mouseParameters(std::string_view text) {
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), values[i]);
        if (error != std::errc{})
            return std::nullopt;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (i + 1 < values.size()) {
            if (text.empty() || text.front() != ';')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;
    return values;
}

}  // namespace

void InputDecoder::feed(const RawInput& input) {
    switch (state_) {
        case State::ground:
            feedGround(input);
            break;
        case State::escape:
            feedEscape(input);
            break;
        case State::controlSequence:
            feedControlSequence(input);
            break;
        case State::legacyMouse:
            feedLegacyMouse(input);
            break;
        case State::paste:
            feedPaste(input);
            break;
        case State::pasteEscape:
            feedPasteEscape(input);
            break;
    }
}

std::optional<Event> InputDecoder::takeEvent() {
    if (events_.empty())
        return std::nullopt;
    Event event = std::move(events_.front());
    events_.pop_front();
    return event;
}

std::optional<std::chrono::milliseconds> InputDecoder::patience() const {
    switch (state_) {
        case State::ground:
            return std::nullopt;
        case State::escape:
        case State::controlSequence:
        case State::legacyMouse:
            return sequencePatience;
        case State::paste:
        case State::pasteEscape:
            return pastePatience;
    }
    return std::nullopt;
}

void InputDecoder::feedGround(const RawInput& input) {
    if (const auto* typed = std::get_if<TypedCharacter>(&input)) {
        if (typed->code == escapeCode) {
            state_ = State::escape;
            return;
        }
        emitCharacter(typed->code, {});
        return;
    }
    // Keys the terminal layer named, clicks and resizes are events already.
    if (const auto* key = std::get_if<KeyEvent>(&input))
        events_.push_back(*key);
    else if (const auto* mouse = std::get_if<MouseEvent>(&input))
        events_.push_back(*mouse);
    else if (const auto* resize = std::get_if<ResizeEvent>(&input))
        events_.push_back(*resize);
}

void InputDecoder::feedEscape(const RawInput& input) {
    if (const auto* typed = std::get_if<TypedCharacter>(&input)) {
        if (typed->code == escapeCode) {
            // Esc pressed twice: the first was a key of its own.
            events_.push_back(KeyEvent{Key::escape, 0, {}});
            return;
        }
        if (typed->code == U'[') {
            state_ = State::controlSequence;
            sequence_.clear();
            return;
        }
        state_ = State::ground;
        emitCharacter(typed->code, {.alt = true});
        return;
    }
    state_ = State::ground;
    if (const auto* key = std::get_if<KeyEvent>(&input)) {
        KeyEvent withAlt = *key;
        withAlt.modifiers.alt = true;
        events_.push_back(withAlt);
        return;
    }
    events_.push_back(KeyEvent{Key::escape, 0, {}});
    feedGround(input);
}

void InputDecoder::feedControlSequence(const RawInput& input) {
    const auto* typed = std::get_if<TypedCharacter>(&input);
    if (typed == nullptr) {
        // Cut short: Esc [ alone was Alt+[; a longer fragment means nothing.
        state_ = State::ground;
        if (sequence_.empty())
            emitCharacter(U'[', {.alt = true});
        if (!std::holds_alternative<Idle>(input))
            feedGround(input);
        return;
    }
    const char32_t code = typed->code;
    if (code >= 0x20 && code <= 0x3F) {  // parameter and intermediate bytes
        sequence_.push_back(static_cast<char>(code));
        return;
    }
    state_ = State::ground;
    if (code >= 0x40 && code <= 0x7E) {
        finishControlSequence(code);
        return;
    }
    feedGround(input);  // not part of any sequence: drop the fragment, keep the character
}

void InputDecoder::finishControlSequence(char32_t finalByte) {
    const std::string sequence = sequence_ + static_cast<char>(finalByte);
    sequence_.clear();
    if (sequence == pasteStart) {
        state_ = State::paste;
        pasted_.clear();
        pasteRefused_ = 0;
        return;
    }
    if (sequence == "M") {  // the old encoding: three bytes follow
        state_ = State::legacyMouse;
        return;
    }
    if (sequence.size() > 2 && sequence.front() == '<' &&
        (finalByte == U'M' || finalByte == U'm')) {
        const auto values =
            mouseParameters(std::string_view(sequence).substr(1, sequence.size() - 2));
        if (values) {
            const MouseAction action =
                finalByte == U'M' ? MouseAction::press : MouseAction::release;
            pushMouse((*values)[0], action, {(*values)[1] - 1, (*values)[2] - 1});
        }
        return;
    }
    if (const auto key = keyOfSequence(sequence)) {
        events_.push_back(*key);
        return;
    }
    // Anything else (a stray paste end, a report nobody asked for) is dropped.
}

void InputDecoder::feedLegacyMouse(const RawInput& input) {
    const auto* typed = std::get_if<TypedCharacter>(&input);
    if (typed == nullptr) {  // cut short
        state_ = State::ground;
        sequence_.clear();
        if (!std::holds_alternative<Idle>(input))
            feedGround(input);
        return;
    }
    sequence_.push_back(static_cast<char>(typed->code & 0xFF));
    if (sequence_.size() < 3)
        return;
    state_ = State::ground;
    // Each byte is 32 plus its value; columns and rows count from 1. Button
    // value 3 is a release (of whichever button), 0 the left button's press.
    const int button = static_cast<unsigned char>(sequence_[0]) - 32;
    const Point at{static_cast<unsigned char>(sequence_[1]) - 33,
                   static_cast<unsigned char>(sequence_[2]) - 33};
    sequence_.clear();
    if ((button & (64 | 32)) == 0 && (button & 3) == 3) {
        pushMouse(0, MouseAction::release, at);
        return;
    }
    pushMouse(button, MouseAction::press, at);
}

void InputDecoder::pushMouse(int report, MouseAction action, Point at) {
    // The report's bits: 0..1 the button (0 left), 4 Shift, 8 Alt, 16 Ctrl,
    // 32 motion (with a button held), 64 the wheel (0 up, 1 down). Only the
    // left button and the wheel mean anything here.
    constexpr int buttonBits = 3;
    constexpr int motionBit = 32;
    constexpr int wheelBit = 64;
    const Modifiers modifiers{
        .shift = (report & 4) != 0, .ctrl = (report & 16) != 0, .alt = (report & 8) != 0};
    if ((report & wheelBit) != 0) {
        if (action != MouseAction::press || (report & buttonBits) > 1 || (report & motionBit) != 0)
            return;
        const int wheel = (report & buttonBits) == 0 ? wheelUpButton : wheelDownButton;
        events_.push_back(MouseEvent{MouseAction::press, at, wheel, modifiers});
        return;
    }
    if ((report & buttonBits) != 0)
        return;
    if ((report & motionBit) != 0) {
        if (action == MouseAction::press)
            events_.push_back(MouseEvent{MouseAction::drag, at, 1, modifiers});
        return;
    }
    events_.push_back(MouseEvent{action, at, 1, modifiers});
}

void InputDecoder::feedPaste(const RawInput& input) {
    if (const auto* typed = std::get_if<TypedCharacter>(&input)) {
        if (typed->code == escapeCode) {
            state_ = State::pasteEscape;
            sequence_.clear();
            return;
        }
        appendToPaste(typed->code);
        return;
    }
    if (std::holds_alternative<Idle>(input)) {
        finishPaste();  // its end was lost; what came is the paste
        return;
    }
    if (const auto* resize = std::get_if<ResizeEvent>(&input))
        events_.push_back(*resize);
    // Keys and clicks cannot be part of a paste; they are dropped.
}

void InputDecoder::feedPasteEscape(const RawInput& input) {
    const auto* typed = std::get_if<TypedCharacter>(&input);
    if (typed != nullptr && typed->code < 0x80) {
        sequence_.push_back(static_cast<char>(typed->code));
        if (sequence_ == pasteEndAfterEscape) {
            finishPaste();
            return;
        }
        if (pasteEndAfterEscape.starts_with(sequence_))
            return;
    }
    // Not the end after all: an Esc has no place in the text, nor what followed it.
    state_ = State::paste;
    sequence_.clear();
    if (typed == nullptr)
        feedPaste(input);
}

void InputDecoder::appendToPaste(char32_t code) {
    const bool keptControl = code == U'\t' || code == U'\r' || code == U'\n';
    if (!keptControl && !isPrintable(code))
        return;
    if (const auto byte = encode_(code))
        pasted_.push_back(static_cast<char>(*byte));
    else
        ++pasteRefused_;
}

void InputDecoder::finishPaste() {
    state_ = State::ground;
    sequence_.clear();
    events_.push_back(PasteEvent{std::move(pasted_), pasteRefused_});
    pasted_.clear();
    pasteRefused_ = 0;
}

void InputDecoder::emitCharacter(char32_t code, Modifiers modifiers) {
    for (const ControlKey& entry : controlKeys) {
        if (entry.code == code) {
            events_.push_back(KeyEvent{entry.key, 0, modifiers});
            return;
        }
    }
    if (code == U' ') {
        events_.push_back(KeyEvent{Key::space, ' ', modifiers});
        return;
    }
    if (code >= 1 && code <= 26) {  // Ctrl+letter
        modifiers.ctrl = true;
        events_.push_back(
            KeyEvent{Key::character, static_cast<unsigned char>('a' + code - 1), modifiers});
        return;
    }
    if (!isPrintable(code))
        return;
    // A character with no Windows-1252 byte cannot be typed; the toolkit
    // still hears of it, so that it can say so.
    if (const auto byte = encode_(code))
        events_.push_back(KeyEvent{Key::character, *byte, modifiers});
    else
        events_.push_back(KeyEvent{Key::foreignCharacter, 0, modifiers});
}

}  // namespace ui::terminal
