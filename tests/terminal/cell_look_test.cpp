#include "ui/terminal/cell_look.h"

#include <gtest/gtest.h>

#include <vector>

namespace ui::terminal {
namespace {

struct ColorCase {
    Color color;
    int xterm256;
    int classic16;
    int classic8;
};

TEST(ColorMapping, ThePaletteOfTheDialogsFindsItsNearestTerminalColours) {
    const std::vector<ColorCase> cases{
        // xterm: cube 16 + 36r + 6g + b over levels 0,95,135,175,215,255; greys 232 + (v - 8) / 10.
        {palette::black, 16, 0, 0},
        {palette::white, 231, 15, 7},
        {palette::buttonFace, 250, 7, 7},    // C0C0C0 is nearer grey 192 (250) than cube AF
        {palette::buttonShadow, 244, 8, 7},  // 808080 is grey 128 exactly
        {palette::navy, 18, 4, 4},
        {palette::teal, 30, 6, 6},
        {{0xFF, 0x00, 0x00}, 196, 9, 1},
        {{0x12, 0x12, 0x12}, 233, 0, 0},
        {{0xEE, 0xEE, 0xEE}, 255, 15, 7},
        {{0x5F, 0x87, 0xAF}, 67, 8, 6},  // exactly a cube colour
        // Dark colours of the pictures keep their hue rather than turn grey.
        {{0x00, 0x00, 0x33}, 17, 0, 0},  // the splash's night sky
        {{0x00, 0x33, 0x33}, 23, 0, 0},
        {{0x33, 0x00, 0x00}, 52, 0, 0},
        {{0x14, 0x14, 0x28}, 234, 0, 0},  // all but grey: the ramp's 28 is nearer than black
    };
    for (const ColorCase& entry : cases) {
        SCOPED_TRACE(testing::Message() << int(entry.color.r) << "," << int(entry.color.g) << ","
                                        << int(entry.color.b));
        EXPECT_EQ(nearestXterm256(entry.color), entry.xterm256);
        EXPECT_EQ(nearestClassic16(entry.color), entry.classic16);
        EXPECT_EQ(nearestClassic8(entry.color), entry.classic8);
    }
}

struct LookCase {
    const char* name;
    Cell cell;
    ColorDepth depth;
    CellLook expected;
};

// Test names say enough; the parameters need not be dumped as bytes.
void PrintTo(const LookCase& entry, std::ostream* out) {
    *out << entry.name;
}

class CellLookTest : public testing::TestWithParam<LookCase> {};

TEST_P(CellLookTest, MapsColoursAndStyle) {
    EXPECT_EQ(lookOf(GetParam().cell, GetParam().depth), GetParam().expected);
}

constexpr Cell dialogText{U'A', palette::windowText, palette::buttonFace, CellStyle::plain};
constexpr Cell captionText{U'Q', palette::captionText, palette::activeCaption, CellStyle::bold};
constexpr Cell mnemonic{U'S', palette::windowText, palette::buttonFace, CellStyle::underline};
constexpr Cell shadowOnFace{U'x', palette::buttonShadow, palette::buttonFace, CellStyle::plain};
constexpr Cell whiteOnFace{U'x', palette::white, palette::buttonFace, CellStyle::plain};
constexpr Cell fieldText{U'w', palette::windowText, palette::window, CellStyle::plain};
constexpr Cell selectedText{U'w', palette::windowText, palette::window, CellStyle::reverse};
constexpr Cell silverOnSilver{U'x', {0xBD, 0xBD, 0xBD}, palette::buttonFace, CellStyle::plain};
// Two pixels of a picture, one above the other, both navy.
constexpr Cell navyPixels{U'\u2580', palette::navy, palette::navy, CellStyle::plain};
// The left end of an inactive caption bar: half frame, half bar, alike in eight colours.
constexpr Cell inactiveCaptionEnd{U'▌', palette::buttonFace, palette::buttonShadow,
                                  CellStyle::plain};

INSTANTIATE_TEST_SUITE_P(
    Depths, CellLookTest,
    testing::Values(
        LookCase{"TextOnFace256", dialogText, ColorDepth::full256, {16, 250, Attribute::none}},
        LookCase{"CaptionBold256", captionText, ColorDepth::full256, {231, 18, Attribute::bold}},
        LookCase{"MnemonicUnderlined256",
                 mnemonic,
                 ColorDepth::full256,
                 {16, 250, Attribute::underline}},
        LookCase{"MergedColoursContrast256",
                 silverOnSilver,
                 ColorDepth::full256,
                 {16, 250, Attribute::none}},
        LookCase{
            "PicturePixelsAlike256", navyPixels, ColorDepth::full256, {18, 18, Attribute::none}},
        LookCase{"TextOnFace8", dialogText, ColorDepth::eight, {0, 7, Attribute::none}},
        LookCase{"CaptionBright8", captionText, ColorDepth::eight, {7, 4, Attribute::bold}},
        // Grey on grey survives as bright black, which terminals show dark grey.
        LookCase{"ShadowOnFace8", shadowOnFace, ColorDepth::eight, {0, 7, Attribute::bold}},
        LookCase{"WhiteOnFace8", whiteOnFace, ColorDepth::eight, {7, 7, Attribute::bold}},
        LookCase{
            "MergedColoursContrast8", silverOnSilver, ColorDepth::eight, {0, 7, Attribute::none}},
        LookCase{"PicturePixelsAlike8", navyPixels, ColorDepth::eight, {4, 4, Attribute::none}},
        LookCase{
            "CaptionEndAlike8", inactiveCaptionEnd, ColorDepth::eight, {7, 7, Attribute::none}},
        LookCase{"TextOnFaceMono", dialogText, ColorDepth::monochrome, {-1, -1, Attribute::none}},
        LookCase{"CaptionReversedMono",
                 captionText,
                 ColorDepth::monochrome,
                 {-1, -1, Attribute::bold | Attribute::reverse}},
        LookCase{"MnemonicMono", mnemonic, ColorDepth::monochrome, {-1, -1, Attribute::underline}},
        LookCase{
            "FieldReversedMono", fieldText, ColorDepth::monochrome, {-1, -1, Attribute::reverse}},
        LookCase{"ShadowOnFacePlainMono",
                 shadowOnFace,
                 ColorDepth::monochrome,
                 {-1, -1, Attribute::none}},
        // Selected text turns over whatever its field shows, even a field reversed already.
        LookCase{"SelectionReversed256",
                 selectedText,
                 ColorDepth::full256,
                 {16, 231, Attribute::reverse}},
        LookCase{"SelectionReversed8", selectedText, ColorDepth::eight, {0, 7, Attribute::reverse}},
        LookCase{"SelectionInAReversedFieldMono",
                 selectedText,
                 ColorDepth::monochrome,
                 {-1, -1, Attribute::none}}),
    [](const testing::TestParamInfo<LookCase>& info) { return info.param.name; });

// The screen works a look out once for a run of cells that take the same one.
TEST(SameLook, OnlyTheCharacterOfATextCellMayDiffer) {
    const Cell text{U'a', palette::windowText, palette::buttonFace, CellStyle::plain};
    Cell otherLetter = text;
    otherLetter.ch = U'b';
    Cell halfBlock = text;  // a picture's half block in the same colours keeps them
    halfBlock.ch = U'\u2580';
    Cell bold = text;
    bold.style = CellStyle::bold;
    Cell otherPaper = text;
    otherPaper.bg = palette::window;

    EXPECT_TRUE(sameLook(text, otherLetter));
    EXPECT_FALSE(sameLook(text, halfBlock));
    EXPECT_FALSE(sameLook(text, bold));
    EXPECT_FALSE(sameLook(text, otherPaper));
}

}  // namespace
}  // namespace ui::terminal
