// Every dialog template of the program: well formed, and laid out so that
// nothing is cut or off the screen.

#include <map>
#include <set>
#include <utility>

#include "tests/ui/toolkit_fixture.h"
#include "ui/controls/static_text.h"
#include "ui/text_layout.h"

namespace {

TEST(Templates, EveryNumberOfTheProgramIsThere) {
    for (int number :
         {102, 204, 129, 130, 140, 131, 132, 133, 217, 134, 135, 138, 137, 136, 141, 142, 152, 100})
        EXPECT_EQ(res::dialogTemplate(number).number, number);
    EXPECT_THROW(res::dialogTemplate(999), std::out_of_range);
    EXPECT_EQ(res::dialogTemplates().size(), 18u);
}

TEST(Templates, IdsAreUniqueAndAtMostOneButtonIsTheDefault) {
    for (const ui::DialogTemplate* t : res::dialogTemplates()) {
        std::set<int> ids;
        int defaults = 0;
        for (const ui::ControlTemplate& c : t->controls) {
            if (c.id != ui::IDC_STATIC) {
                EXPECT_TRUE(ids.insert(c.id).second) << t->number << " " << c.id;
            }
            if (c.kind == ui::ControlKind::pushButton && (c.style & 0x0F) == ui::BS_DEFPUSHBUTTON)
                ++defaults;
        }
        EXPECT_LE(defaults, 1) << t->number;
    }
}

TEST(Templates, EveryControlLiesInsideItsDialogAndEveryDialogFitsTheScreen) {
    for (const ui::DialogTemplate* t : res::dialogTemplates()) {
        const ui::Rect client = ui::units::toCells({0, 0, t->rect.width, t->rect.height});
        EXPECT_LE(client.width + 2, 80) << t->number;
        EXPECT_LE(client.height + 2, 24) << t->number;
        for (const ui::ControlTemplate& c : t->controls) {
            const ui::Rect r = ui::cellsOf(c);
            EXPECT_FALSE(r.isEmpty()) << t->number << " " << c.text;
            EXPECT_EQ(r.intersected(client), r) << t->number << " " << c.text;
        }
    }
}

TEST(Templates, PushButtonsOfOneSizeHaveOneSizeInCells) {
    // Buttons of 50 x 14 units stand at rows whose rounding differs (y 7, 101, 125).
    std::map<std::pair<int, int>, std::set<std::pair<int, int>>> cellSizes;
    for (const ui::DialogTemplate* t : res::dialogTemplates())
        for (const ui::ControlTemplate& c : t->controls)
            if (c.kind == ui::ControlKind::pushButton) {
                const ui::Rect r = ui::cellsOf(c);
                cellSizes[{c.rect.width, c.rect.height}].insert({r.width, r.height});
            }
    ASSERT_FALSE(cellSizes.empty());
    for (const auto& [units, cells] : cellSizes)
        EXPECT_EQ(cells.size(), 1u) << units.first << " x " << units.second << " units";
    const std::set<std::pair<int, int>> twoRowsHigh{{17, 2}};
    EXPECT_EQ(cellSizes[std::make_pair(50, 14)], twoRowsHigh);
}

class TemplateLayout : public ToolkitTest {};

TEST_F(TemplateLayout, EveryStaticTextFitsItsCells) {
    for (const ui::DialogTemplate* t : res::dialogTemplates()) {
        ui::Dialog dialog(*t);
        screen
            .then([&] {
                for (const auto& c : dialog.controls()) {
                    const auto* text = dynamic_cast<const ui::StaticText*>(c.get());
                    if (!text)
                        continue;
                    EXPECT_TRUE(text->fits()) << t->number << ": " << text->text();
                }
            })
            .key(ui::Key::escape);
        dialog.runModal();
    }
}

TEST(Templates, EveryLabelFitsItsControl) {
    for (const ui::DialogTemplate* t : res::dialogTemplates()) {
        for (const ui::ControlTemplate& c : t->controls) {
            const ui::Rect r = ui::cellsOf(c);
            const auto width = static_cast<int>(ui::parseLabel(c.text).size());
            switch (c.kind) {
                case ui::ControlKind::pushButton:  // room for the default marks on both sides
                    EXPECT_LE(width + 2, r.width) << t->number << ": " << c.text;
                    break;
                case ui::ControlKind::groupBox:  // in the top edge, between its corners
                    EXPECT_LE(width + 4, r.width) << t->number << ": " << c.text;
                    break;
                case ui::ControlKind::checkBox:  // beside the box, wrapped
                    EXPECT_LE(static_cast<int>(ui::layoutText(c.text, r.width - 4).size()),
                              r.height)
                        << t->number << ": " << c.text;
                    break;
                default:
                    break;
            }
        }
    }
}

TEST_F(TemplateLayout, TheLegendShowsSixLinesWithSingleAmpersands) {
    ui::Dialog dialog(res::dialogTemplate(152));
    std::vector<std::string> lines;
    screen
        .then([&] {
            lines = dialog.controlAs<ui::StaticText>(-1) ? std::vector<std::string>{} : lines;
        })
        .then([&] {
            for (const auto& c : dialog.controls())
                if (auto* text = dynamic_cast<const ui::StaticText*>(c.get());
                    text && text->rect().height > 1)
                    lines = text->lines();
        })
        .key(ui::Key::escape);
    dialog.runModal();
    const std::vector<std::string> expected = {
        "                        LEGEND",
        "* = Never Tested.",
        "! = Cannot tell the difference between Netscape 4.01 &",
        "     4.01A.",
        "% = Cannot Tell the difference between Netscape 3.0 &",
        "       Opera 3.XX.",
    };
    EXPECT_EQ(lines, expected);
}

TEST(Strings, TheSystemMenuItemAndNothingElse) {
    EXPECT_EQ(res::loadString(101), "&About Navisift?...");
    EXPECT_EQ(res::loadString(102), "");
}

}  // namespace
