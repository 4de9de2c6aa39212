#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

std::string shown(const ui::GlyphLine& line) {
    std::string out;
    for (const ui::Glyph& g : line)
        out.push_back(static_cast<char>(g.byte));
    return out;
}

std::vector<std::string> layout(std::string_view text, int width, bool prefix = true) {
    std::vector<std::string> lines;
    for (const ui::GlyphLine& line : ui::layoutText(text, width, prefix))
        lines.push_back(shown(line));
    return lines;
}

TEST(Labels, AmpersandsMarkTheMnemonic) {
    struct Case {
        std::string_view text;
        bool prefix;
        std::string shown;
        std::optional<char> mnemonic;
    };
    const Case cases[] = {
        {"&Next", true, "Next", 'n'},
        {"Mi&nimize", true, "Minimize", 'n'},
        {"&Save...", true, "Save...", 's'},
        {"4.01 &&", true, "4.01 &", std::nullopt},
        {"A && &B", true, "A & B", 'b'},
        {"&&&Quit", true, "&Quit", 'q'},
        {"no mnemonic", true, "no mnemonic", std::nullopt},
        {"trailing &", true, "trailing ", std::nullopt},
        {"Q&A && more", false, "Q&A && more", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown(ui::parseLabel(c.text, c.prefix)), c.shown) << c.text;
        if (c.prefix) {
            EXPECT_EQ(ui::mnemonicOf(c.text), c.mnemonic) << c.text;
        }
    }
    const ui::GlyphLine next = ui::parseLabel("&Next");
    EXPECT_TRUE(next[0].mnemonic);
    EXPECT_FALSE(next[1].mnemonic);
}

TEST(Labels, LinesBreakAtLineEndsTabsStopEveryEighthColumnAndWordsWrap) {
    struct Case {
        const char* name;
        std::string_view text;
        int width;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"line ends", "one\ntwo\nthree", 20, {"one", "two", "three"}},
        {"a final line end leaves an empty line", "one\n", 20, {"one", ""}},
        {"tabs to the next stop", "a\tb\t\tc", 40, {"a       b               c"}},
        {"three tabs", "\t\t\tLEGEND", 61, {"                        LEGEND"}},
        {"wrap at the last space that fits",
         "Please Enter the Directory Structure for Netscape 3.0, and Opera 3.XX.",
         40,
         {"Please Enter the Directory Structure for", "Netscape 3.0, and Opera 3.XX."}},
        {"a word wider than the field breaks", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"leading spaces stay", "     4.01A.", 20, {"     4.01A."}},
        {"spaces at a break go", "aaa    bbb", 5, {"aaa", "bbb"}},
        {"an exact fit does not wrap", "abcd efgh", 9, {"abcd efgh"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout(c.text, c.width), c.lines) << c.name;
}

}  // namespace
