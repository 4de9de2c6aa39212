// The About box: its text, its ways out, and the logo's clip playing in it.

#include <functional>

#include "info/about_dlg.h"
#include "res/pictures/pictures.h"
#include "tests/info/info_fixture.h"
#include "ui/controls/animation.h"
#include "ui/image/clip.h"
#include "ui/image/half_blocks.h"

namespace {

using namespace std::chrono_literals;
using ui::Key;
using AboutDialogTest = InfoDialogTest;

constexpr int animationId = 1026;

const ui::Animation& animation(const ui::ScriptedScreen& screen) {
    return *screen.topDialog()->controlAs<ui::Animation>(animationId);
}

TEST_F(AboutDialogTest, ShowsItsSixLines) {
    std::vector<std::string> text;
    screen.then([&] {
              text = textIn(onScreen(ui::units::UnitRect{7, 51, 148, 50}));
          })
        .key(Key::escape);
    info::CAboutDlg dialog;
    dialog.runModal();
    const std::vector<std::string> expected{
        "Navisift? HTML Creator V1.0B7",        "Navisift Engine .48B",
        "Copyright (C) 1998 Navisift Software", "Newest Updates At:",
        "http://www.example.com/navisift/",     "Picture Created By: The Navisift Studio",
    };
    ASSERT_GE(text.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(text.begin(), text.begin() + 6), expected);
}

TEST_F(AboutDialogTest, EveryWayOutEndsWithTheCancelCode) {
    struct Case {
        const char* name;
        std::function<void(ui::ScriptedScreen&)> script;
    };
    const Case cases[] = {
        {"the OK button", [](auto& s) { s.click(ui::IDCANCEL); }},
        {"Enter, for the default button", [](auto& s) { s.key(Key::enter); }},
        {"Alt+O", [](auto& s) { s.alt('o'); }},
        {"Esc", [](auto& s) { s.key(Key::escape); }},
        {"the close box", [](auto& s) { s.clickCloseBox(); }},
        {"Close on the system menu", [](auto& s) { s.systemCommand(ui::SC_CLOSE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.script(screen);
        info::CAboutDlg dialog;
        EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
        EXPECT_TRUE(screen.scriptDone());
    }
}

TEST_F(AboutDialogTest, OpensTheClipWithTheFocusOnIt) {
    bool open = false;
    bool playing = false;
    int clip = 0;
    int focused = 0;
    screen
        .then([&] {
            open = animation(screen).isOpen();
            playing = animation(screen).isPlaying();
            clip = animation(screen).clipResource();
            focused = screen.topDialog()->focus()->id();
        })
        .key(Key::escape);
    info::CAboutDlg dialog;
    dialog.runModal();
    EXPECT_TRUE(open);
    EXPECT_TRUE(playing);
    EXPECT_EQ(clip, 202);
    EXPECT_EQ(focused, animationId);
}

// The cells of a clip frame as the animation control shows it, centred on the control.
std::vector<ui::image::HalfBlock> shownCells(const ui::Canvas& canvas, ui::Rect area) {
    std::vector<ui::image::HalfBlock> cells;
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x) {
            const ui::Cell& cell = canvas.at({x, y});
            cells.push_back({cell.fg, cell.bg});
        }
    }
    return cells;
}

TEST_F(AboutDialogTest, TheClipLoopsFromTheFirstFrameToTheLastAndRoundAgain) {
    const auto clip = ui::image::readClip(res::clip(202));
    ASSERT_TRUE(clip) << clip.error();
    std::vector<int> frames;
    std::vector<bool> drawnAsFrame;
    auto look = [&] {
        const int frame = animation(screen).frame();
        frames.push_back(frame + 1);
        // The screen shows that very frame, in half blocks, filling the control.
        const ui::Rect area = onScreen(animationId);
        const auto expected = ui::image::toHalfBlocks(clip->frameImage(frame), area.size(), {});
        drawnAsFrame.push_back(shownCells(screen.lastFrame().canvas, area) == expected.blocks &&
                               screen.lastFrame().canvas.at(area.origin()).ch ==
                                   ui::image::upperHalfBlock);
    };
    screen.then(look);
    for (int step = 0; step < 9; ++step)
        screen.advance(500ms).then(look);
    screen.key(Key::escape);
    info::CAboutDlg dialog;
    dialog.runModal();
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2}));
    EXPECT_EQ(drawnAsFrame, std::vector<bool>(10, true));
}

TEST_F(AboutDialogTest, HalfASecondIsOneFrame) {
    std::vector<int> frames;
    auto look = [&] { frames.push_back(animation(screen).frame() + 1); };
    screen.advance(499ms).then(look).advance(1ms).then(look).advance(4s).then(look).key(
        Key::escape);
    info::CAboutDlg dialog;
    dialog.runModal();
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 2}));  // four seconds are one whole pass
}

TEST_F(AboutDialogTest, EachRunOpensTheClipAnew) {
    std::vector<int> frames;
    auto look = [&] { frames.push_back(animation(screen).frame() + 1); };
    screen.then(look).advance(1500ms).then(look).key(Key::escape).then(look).key(Key::escape);
    for (int run = 0; run < 2; ++run) {
        info::CAboutDlg dialog;
        dialog.runModal();
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 4, 1}));
}

TEST_F(AboutDialogTest, OutOfMemorySaysSoAndTheDialogStays) {
    ui::MessageResult result = 99;
    std::string captionAfter;
    bool playingAfter = false;
    screen
        .then([&] {
            ui::NotifyHeader header{animationId, ui::NM_OUTOFMEMORY};
            result = screen.topDialog()->sendMessage(ui::WM_NOTIFY, animationId,
                                                     reinterpret_cast<ui::LParam>(&header));
        })
        .key(Key::enter)  // OK on the message box
        .then([&] {
            captionAfter = screen.topCaption();
            playingAfter = animation(screen).isPlaying();
        })
        .key(Key::escape);
    info::CAboutDlg dialog;
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    EXPECT_EQ(screen.messageBoxes()[0].text, "Out Of Memory");
    EXPECT_EQ(screen.messageBoxes()[0].caption, "navisift");
    EXPECT_EQ(screen.messageBoxes()[0].owner, "About...");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(captionAfter, "About...");
    EXPECT_TRUE(playingAfter);
}

TEST_F(AboutDialogTest, AClipThatCannotOpenLeavesTheBorderOnlyAndSaysNothing) {
    ui::setPictureSource(nullptr);  // the toolkit's own source opens no clip
    bool open = true;
    std::vector<std::string> drawn;
    screen
        .then([&] {
            open = animation(screen).isOpen();
            drawn = textIn(onScreen(animationId));
        })
        .key(Key::escape);
    info::CAboutDlg dialog;
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    EXPECT_FALSE(open);
    EXPECT_TRUE(screen.messageBoxes().empty());
    ASSERT_EQ(drawn.size(), 5u);
    const std::string middle = "│" + std::string(30, ' ') + "│";
    EXPECT_EQ(
        drawn.front(), "┌" + [] {
            std::string line;
            for (int i = 0; i < 30; ++i)
                line += "─";
            return line;
        }() + "┐");
    EXPECT_EQ(drawn[1], middle);
    EXPECT_EQ(drawn[3], middle);
}

}  // namespace
