#include "ui/terminal/input_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/cp1252.h"
#include "ui/terminal/curses_keys.h"

namespace ui::terminal {
namespace {

using namespace std::string_view_literals;

std::string describeModifiers(Modifiers m) {
    std::string text;
    if (m.ctrl)
        text += "ctrl+";
    if (m.alt)
        text += "alt+";
    if (m.shift)
        text += "shift+";
    return text;
}

std::string describe(const Event& event) {
    static const char* const keyNames[] = {
        "character",
        "enter",
        "escape",
        "tab",
        "backspace",
        "del",
        "left",
        "right",
        "up",
        "down",
        "home",
        "end",
        "pageUp",
        "pageDown",
        "f1",
        "space",
        "foreignCharacter",
    };
    if (const auto* key = std::get_if<KeyEvent>(&event)) {
        std::string text = describeModifiers(key->modifiers) + keyNames[static_cast<int>(key->key)];
        if (key->key == Key::character)
            text += " " + std::to_string(key->byte);
        return text;
    }
    if (const auto* mouse = std::get_if<MouseEvent>(&event)) {
        static const char* const actionNames[] = {"press ", "release ", "drag "};
        return describeModifiers(mouse->modifiers) + actionNames[static_cast<int>(mouse->action)] +
               std::to_string(mouse->at.x) + "," + std::to_string(mouse->at.y) +
               (mouse->button == 1 ? "" : " button " + std::to_string(mouse->button));
    }
    if (const auto* paste = std::get_if<PasteEvent>(&event)) {
        std::string text = "paste";
        for (unsigned char byte : paste->text)
            text += " " + std::to_string(byte);
        if (paste->refused > 0)
            text += " refused " + std::to_string(paste->refused);
        return text;
    }
    const auto& resize = std::get<ResizeEvent>(event);
    return "resize " + std::to_string(resize.size.width) + "x" + std::to_string(resize.size.height);
}

// Typed characters of a UTF-32 text, as the terminal hands them over one by one.
std::vector<RawInput> typed(std::u32string_view text) {
    std::vector<RawInput> inputs;
    for (char32_t code : text)
        inputs.push_back(TypedCharacter{code});
    return inputs;
}

std::vector<RawInput> operator+(std::vector<RawInput> a, const std::vector<RawInput>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<RawInput> idle{Idle{}};

struct DecoderCase {
    const char* name;
    std::vector<RawInput> inputs;
    std::vector<std::string> expected;
};

// Test names say enough; the parameters need not be dumped as bytes.
void PrintTo(const DecoderCase& entry, std::ostream* out) {
    *out << entry.name;
}

class InputDecoderTest : public testing::TestWithParam<DecoderCase> {};

TEST_P(InputDecoderTest, DecodesTheEventsOfAnInputStream) {
    InputDecoder decoder(&cp1252::fromUnicode);
    for (const RawInput& input : GetParam().inputs)
        decoder.feed(input);
    std::vector<std::string> events;
    while (auto event = decoder.takeEvent())
        events.push_back(describe(*event));
    EXPECT_EQ(events, GetParam().expected);
    EXPECT_FALSE(decoder.patience().has_value()) << "a sequence was left open";
}

// Bytes of Windows-1252 as decimal numbers: 'a' 97, 'é' 233, '€' 128, 'Ÿ' 159.
INSTANTIATE_TEST_SUITE_P(
    Streams, InputDecoderTest,
    testing::Values(
        DecoderCase{"PrintableCharacters",
                    typed(U"aZ7"sv),
                    {"character 97", "character 90", "character 55"}},
        DecoderCase{"LatinCharactersBecomeTheirBytes",
                    typed(U"é€Ÿ"sv),
                    {"character 233", "character 128", "character 159"}},
        DecoderCase{"CharacterWithoutByteIsForeign",
                    typed(U"a\u4E2D\U0001F600b"sv),
                    {"character 97", "foreignCharacter", "foreignCharacter", "character 98"}},
        DecoderCase{"ControlCharactersThatNameKeys",
                    typed(U"\r\n\t\x7f\b"sv),
                    {"enter", "enter", "tab", "backspace", "backspace"}},
        DecoderCase{"SpaceIsTheSpaceKey", typed(U" "sv), {"space"}},
        DecoderCase{
            "CtrlLetter", typed(U"\x03\x16"sv), {"ctrl+character 99", "ctrl+character 118"}},
        DecoderCase{"OtherControlCharactersAreDropped", typed(U"\x00\x1c\x1f\u0085"sv), {}},
        DecoderCase{"EscapeAloneActsWhenNothingFollows", typed(U"\x1b"sv) + idle, {"escape"}},
        DecoderCase{"EscapeTwice", typed(U"\x1b\x1b"sv) + idle, {"escape", "escape"}},
        DecoderCase{"AltLetter", typed(U"\x1bs\x1bQ"sv), {"alt+character 115", "alt+character 81"}},
        DecoderCase{"AltSpace", typed(U"\x1b "sv), {"alt+space"}},
        DecoderCase{"AltWithNamedKey",
                    typed(U"\x1b"sv) + std::vector<RawInput>{KeyEvent{Key::left, 0, {}}},
                    {"alt+left"}},
        DecoderCase{"AltOpeningBracketAlone", typed(U"\x1b["sv) + idle, {"alt+character 91"}},
        DecoderCase{
            "EscapeThenClick",
            typed(U"\x1b"sv) + std::vector<RawInput>{MouseEvent{MouseAction::press, {3, 4}, 1, {}}},
            {"escape", "press 3,4"}},
        DecoderCase{"UnparsedArrowAndShiftTab",
                    typed(U"\x1b[A\x1b[Z\x1b[3~"sv),
                    {"up", "shift+tab", "del"}},
        DecoderCase{
            "KeysWithModifierParameters",
            typed(U"\x1b[1;5C\x1b[1;2D\x1b[1;6H\x1b[1;2F\x1b[3;2~\x1b[1;3A"sv),
            {"ctrl+right", "shift+left", "ctrl+shift+home", "shift+end", "shift+del", "alt+up"}},
        DecoderCase{"UnknownSequenceIsDropped",
                    typed(U"\x1b[12;40R\x1b[2;5C\x1b[1;0Cx"sv),
                    {"character 120"}},
        DecoderCase{"SgrMousePressAndRelease",
                    typed(U"\x1b[<0;10;5M\x1b[<0;10;5m"sv),
                    {"press 9,4", "release 9,4"}},
        DecoderCase{"SgrMouseOtherButtonsAndTheirMotionAreIgnored",
                    typed(U"\x1b[<2;1;1M\x1b[<2;1;1m\x1b[<1;1;1M\x1b[<34;1;1M\x1b[<35;1;1M"sv),
                    {}},
        DecoderCase{
            "SgrDragAndModifiers",
            typed(U"\x1b[<0;2;1M\x1b[<32;3;1M\x1b[<0;3;1m\x1b[<4;5;1M\x1b[<16;5;1m"sv),
            {"press 1,0", "drag 2,0", "release 2,0", "shift+press 4,0", "ctrl+release 4,0"}},
        DecoderCase{"SgrWheelIsButtonsFourAndFive",
                    typed(U"\x1b[<64;5;6M\x1b[<65;5;6M\x1b[<66;5;6M"sv),
                    {"press 4,5 button 4", "press 4,5 button 5"}},
        DecoderCase{"LegacyWheel",
                    typed(U"\x1b[M`%&\x1b[Ma%&"sv),
                    {"press 4,5 button 4", "press 4,5 button 5"}},
        DecoderCase{"LegacyMousePressAndRelease",
                    typed(U"\x1b[M *%\x1b[M#*%"sv),
                    {"press 9,4", "release 9,4"}},
        DecoderCase{
            "LegacyMouseCutShort", typed(U"\x1b[M "sv) + idle + typed(U"a"sv), {"character 97"}},
        DecoderCase{"BracketedPaste", typed(U"\x1b[200~Hé w\x1b[201~"sv), {"paste 72 233 32 119"}},
        DecoderCase{"PasteDropsCharactersWithoutByteAndStrayControls",
                    typed(U"\x1b[200~a\u4E2Db\x01\tc\r\n\x1b[201~"sv),
                    {"paste 97 98 9 99 13 10 refused 1"}},
        DecoderCase{"EscapeSequencesInsideAPasteAreDropped",
                    typed(U"\x1b[200~\x1b[A\x1b[201~z"sv),
                    {"paste", "character 122"}},
        DecoderCase{"EmptyPaste", typed(U"\x1b[200~\x1b[201~"sv), {"paste"}},
        DecoderCase{"PasteWithoutEndIsClosedWhenInputPauses",
                    typed(U"\x1b[200~ab"sv) + idle,
                    {"paste 97 98"}},
        DecoderCase{"ResizeInsidePasteIsDeliveredAtOnce",
                    typed(U"\x1b[200~a"sv) + std::vector<RawInput>{ResizeEvent{{90, 30}}} +
                        typed(U"b\x1b[201~"sv),
                    {"resize 90x30", "paste 97 98"}},
        DecoderCase{"StrayPasteEndIsDropped", typed(U"\x1b[201~q"sv), {"character 113"}},
        DecoderCase{"IdleWithNothingOpenIsNothing", idle, {}}),
    [](const testing::TestParamInfo<DecoderCase>& info) { return info.param.name; });

TEST(InputDecoderPatience, AsksForLittleTimeInsideASequenceAndMoreInsideAPaste) {
    InputDecoder decoder(&cp1252::fromUnicode);
    EXPECT_FALSE(decoder.patience().has_value());
    decoder.feed(TypedCharacter{0x1B});
    ASSERT_TRUE(decoder.patience().has_value());
    const auto sequencePatience = *decoder.patience();
    EXPECT_LE(sequencePatience.count(), 50) << "Esc alone must act at once";
    for (char32_t code : U"[200~"sv)
        decoder.feed(TypedCharacter{code});
    ASSERT_TRUE(decoder.patience().has_value());
    EXPECT_GT(*decoder.patience(), sequencePatience);
}

struct CursesKeyCase {
    int code;
    std::string expected;
};

TEST(CursesKeys, NamedKeysAndTheirModifiers) {
    // Codes as curses numbers them: left 0404, F1 0411, F13 0425, Shift+Tab 0541, resize 0632.
    const std::vector<CursesKeyCase> cases{
        {0404, "left"},      {0406, "home"},     {0512, "del"},     {0522, "pageDown"},
        {0411, "f1"},        {0425, "shift+f1"}, {0441, "ctrl+f1"}, {0541, "shift+tab"},
        {0407, "backspace"}, {0527, "enter"},
    };
    for (const CursesKeyCase& entry : cases) {
        const auto key = keyOfCursesCode(entry.code);
        ASSERT_TRUE(key.has_value()) << entry.expected;
        EXPECT_EQ(describe(*key), entry.expected);
    }
    EXPECT_FALSE(keyOfCursesCode(0632).has_value()) << "resize is no key";
    EXPECT_FALSE(keyOfCursesCode(0412).has_value()) << "F2 means nothing to the dialogs";
}

}  // namespace
}  // namespace ui::terminal
