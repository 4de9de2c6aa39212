// What a window does beyond its controls: the system menu, its icons,
// minimising and painting while minimised, the mouse on an empty area,
// notifications, timers and the look.

#include "tests/ui/toolkit_fixture.h"
#include "ui/controls/animation.h"
#include "ui/controls/progress_bar.h"
#include "ui/cp1252.h"
#include "ui/look.h"
#include "ui/paint_context.h"
#include "ui/picture_source.h"

namespace {

using ui::Key;
using namespace std::chrono_literals;

// Template 102 with the main dialog's window handling: an About item on the
// system menu, both icons, and the icon painted while minimised.
class IconDialog : public ui::Dialog {
  public:
    IconDialog() : ui::Dialog(res::dialogTemplate(102)) {}
    std::vector<unsigned> systemCommands;
    int paints = 0;

  protected:
    bool onInitDialog() override {
        const std::string_view about = res::loadString(101);
        if (!about.empty()) {
            systemMenu().appendSeparator();
            systemMenu().appendItem(16, std::string(about));
        }
        sendMessage(ui::WM_SETICON, ui::ICON_BIG, icon_.resource);
        sendMessage(ui::WM_SETICON, ui::ICON_SMALL, icon_.resource);
        return true;
    }
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<IconDialog> table[] = {
            {ui::WM_SYSCOMMAND, 0, 0, &IconDialog::onSysCommand},
            {ui::WM_PAINT, 0, 0, &IconDialog::onPaint},
            {ui::WM_QUERYDRAGICON, 0, 0, &IconDialog::onQueryDragIcon},
        };
        return ui::dispatchMessage(*this, table, message) || Dialog::onMessage(message);
    }

  private:
    void onSysCommand(unsigned id, ui::LParam) {
        if ((id & ui::systemCommandMask) == 16)
            systemCommands.push_back(id);
        else
            defaultSystemCommand(id);
    }
    void onPaint() {
        if (!isMinimized()) {
            defaultPaint();
            return;
        }
        ++paints;
        ui::PaintContext dc(*this);
        sendMessage(ui::WM_ICONERASEBKGND, dc.handle(), 0);
        const int x = (dc.clientRect().width - ui::getSystemMetrics(ui::SM_CXICON) + 1) / 2;
        const int y = (dc.clientRect().height - ui::getSystemMetrics(ui::SM_CYICON) + 1) / 2;
        dc.drawIcon(x, y, icon_);
    }
    ui::Icon onQueryDragIcon() { return icon_; }

    ui::Icon icon_ = ui::loadIcon(128);
};

using WindowTest = ToolkitTest;

TEST_F(WindowTest, TheSystemMenuCarriesTheAppendedItemAndSendsItsId) {
    IconDialog dialog;
    std::vector<std::string> items;
    screen
        .key(Key::space, {false, false, true})  // Alt+Space opens it
        .then([&] {
            EXPECT_TRUE(dialog.isSystemMenuOpen());
            for (const ui::MenuItem& item : dialog.systemMenu().items())
                items.push_back(item.isSeparator() ? "-" : item.text);
        })
        .type("a")  // its mnemonic chooses About
        .clickSystemMenuBox()
        .key(Key::up)  // wraps to the last item, About
        .key(Key::enter)
        .then([&] { EXPECT_FALSE(dialog.isSystemMenuOpen()); })
        .systemCommand(17)  // the low four bits do not count
        .systemCommand(32)  // not About: default processing, which does nothing for it
        .key(Key::space, {false, false, true})
        .key(Key::escape)  // closes the menu only
        .then([&] { EXPECT_FALSE(dialog.hasEnded()); })
        .key(Key::space, {false, false, true})
        .type("c");  // Close
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    EXPECT_EQ(items, (std::vector<std::string>{"&Restore", "Mi&nimize", "&Close", "-",
                                               "&About Navisift?..."}));
    EXPECT_EQ(dialog.systemCommands, (std::vector<unsigned>{16, 16, 17}));
}

TEST_F(WindowTest, IconsAreSetAndTheDragIconAnswers) {
    IconDialog dialog;
    screen
        .then([&] {
            EXPECT_EQ(dialog.icon(true), ui::Icon{128});
            EXPECT_EQ(dialog.icon(false), ui::Icon{128});
            EXPECT_EQ(dialog.sendMessage(ui::WM_QUERYDRAGICON), 128);
        })
        .key(Key::escape);
    dialog.runModal();
}

TEST_F(WindowTest, MinimisedTheDialogPaintsItsIconCentredAndRestores) {
    IconDialog dialog;
    screen.clickMinimizeBox()
        .then([&] {
            EXPECT_TRUE(dialog.isMinimized());
            ASSERT_TRUE(ui::PaintContext::lastDrawnIcon().has_value());
            // A 36 x 36 client and a 32 x 32 icon: drawn at (2, 2).
            EXPECT_EQ(ui::PaintContext::lastDrawnIcon()->x, 2);
            EXPECT_EQ(ui::PaintContext::lastDrawnIcon()->y, 2);
            EXPECT_EQ(ui::PaintContext::lastDrawnIcon()->icon, ui::Icon{128});
            EXPECT_GT(dialog.paints, 0);
            // The tile shows the caption; the window itself is gone.
            const std::string drawing = screen.drawing();
            EXPECT_NE(drawing.find("Navisift?"), std::string::npos);
            EXPECT_EQ(drawing.find("Start"), std::string::npos);
        })
        .type("s")  // keys other than Enter do nothing to a minimised window
        .then([&] { EXPECT_TRUE(dialog.isMinimized()); })
        .key(Key::enter)
        .then([&] {
            EXPECT_FALSE(dialog.isMinimized());
            EXPECT_NE(screen.drawing().find("Start"), std::string::npos);
        })
        .systemCommand(ui::SC_MINIMIZE)
        .systemCommand(ui::SC_RESTORE)
        .then([&] { EXPECT_FALSE(dialog.isMinimized()); })
        .key(Key::escape);
    dialog.runModal();
}

// A terminal smaller than the layout shows just the part the windows cover, so
// every frame must say where they stand: the message box inside its owner, a
// minimised tile instead of its window, the tile's system menu rising above it.
TEST_F(WindowTest, EachFrameSaysWhereItsWindowsStand) {
    IconDialog dialog;
    ui::Rect window;
    ui::Rect withBox;
    ui::Rect tile;
    ui::Rect tileWithMenu;
    screen.then([&] { window = screen.lastFrame().windows; })
        .then([&] { dialog.messageBox("File Saved"); })
        .then([&] { withBox = screen.lastFrame().windows; })
        .key(Key::enter)
        .clickMinimizeBox()
        .then([&] { tile = screen.lastFrame().windows; })
        .key(Key::space, {false, false, true})
        .then([&] {
            ASSERT_TRUE(dialog.isSystemMenuOpen());
            tileWithMenu = screen.lastFrame().windows;
        })
        .key(Key::escape)
        .key(Key::enter)
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(window, dialog.windowRect());
    EXPECT_EQ(withBox, dialog.windowRect());
    EXPECT_EQ(tile.x, 1);
    EXPECT_EQ(tile.bottom(), 24 - 1);
    EXPECT_LT(tile.height, window.height);
    EXPECT_EQ(tileWithMenu.x, tile.x);
    EXPECT_EQ(tileWithMenu.bottom(), tile.bottom());
    EXPECT_LT(tileWithMenu.y, tile.y);          // the menu above the tile
    EXPECT_GT(tileWithMenu.width, tile.width);  // "About Navisift?..." is wider than the tile
}

TEST_F(WindowTest, ADialogWithoutMinimiseBoxCannotBeMinimised) {
    RecordingDialog dialog(res::dialogTemplate(142));
    screen.systemCommand(ui::SC_MINIMIZE)
        .then([&] {
            EXPECT_FALSE(dialog.isMinimized());
            EXPECT_TRUE(dialog.minimizeBox().isEmpty());
            EXPECT_FALSE(dialog.closeBox().isEmpty());
        })
        .key(Key::escape);
    dialog.runModal();
}

// The splash: a release anywhere on it ends it.
class SplashLike : public ui::Dialog {
  public:
    SplashLike() : ui::Dialog(res::dialogTemplate(204)) {}
    std::vector<ui::Point> releases;

  protected:
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<SplashLike> table[] = {
            {ui::WM_LBUTTONUP, 0, 0, &SplashLike::onLButtonUp},
        };
        return ui::dispatchMessage(*this, table, message);
    }

  private:
    void onLButtonUp(unsigned, ui::Point at) {
        releases.push_back(at);
        endDialog(ui::IDOK);
    }
};

TEST_F(WindowTest, AReleaseOverThePictureTheTextOrTheEmptyAreaReachesTheDialog) {
    struct Case {
        const char* name;
        std::function<ui::Point(const ui::Dialog&)> where;
    };
    auto inControl = [](int index) {
        return [index](const ui::Dialog& d) {
            const ui::Rect r = d.controls()[static_cast<std::size_t>(index)]->rect();
            return ui::Point{d.clientRect().x + r.x + 1, d.clientRect().y + r.y};
        };
    };
    const Case cases[] = {
        {"the picture", inControl(0)},
        {"the text", inControl(1)},
        {"the empty area", [](const ui::Dialog& d) { return d.clientRect().origin(); }},
        {"the border", [](const ui::Dialog& d) { return d.windowRect().origin(); }},
    };
    for (const Case& c : cases) {
        SplashLike splash;
        screen.mouse(ui::MouseAction::press, [&] { return c.where(splash); })
            .mouse(ui::MouseAction::release, [&] { return c.where(splash); });
        EXPECT_EQ(splash.runModal(), ui::IDOK) << c.name;
        EXPECT_EQ(splash.releases.size(), 1u) << c.name;
    }
    // A release outside the window does nothing.
    SplashLike splash;
    screen.clickAt({0, 0}).key(Key::escape);
    EXPECT_EQ(splash.runModal(), ui::IDCANCEL);
    EXPECT_TRUE(splash.releases.empty());
}

TEST_F(WindowTest, AReleaseOverAControlThatTakesClicksIsNotTheDialogs) {
    // Pressed outside the window and released over a button: no click, no WM_LBUTTONUP.
    class Listening : public RecordingDialog {
      public:
        Listening() : RecordingDialog(res::dialogTemplate(129)) {}
        int releases = 0;

      protected:
        bool onMessage(ui::Message& message) override {
            if (message.id == ui::WM_LBUTTONUP)
                ++releases;
            return RecordingDialog::onMessage(message);
        }
    };
    Listening dialog;
    auto on = [&](int id) {
        return [&dialog, id] {
            const ui::Rect client = dialog.clientRect();
            return dialog.control(id)->rect().translated(client.x, client.y).origin();
        };
    };
    screen.mouse(ui::MouseAction::press,
                 [] {
                     return ui::Point{0, 0};
                 })
        .mouse(ui::MouseAction::release, on(ui::ID_APP_EXIT))
        .mouse(ui::MouseAction::press,
               [] {
                   return ui::Point{0, 0};
               })
        .mouse(ui::MouseAction::release, on(-1))  // the prompt takes no clicks
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(dialog.releases, 1);
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"command 2 code 0"}));
}

TEST_F(WindowTest, AfterAResizeEveryWindowIsCentredAgain) {
    RecordingDialog outer(res::dialogTemplate(152));
    ui::Rect before;
    ui::Rect after;
    screen.then([&] { before = outer.windowRect(); })
        .resize({100, 30})
        .then([&] { after = outer.windowRect(); })
        .key(Key::escape);
    outer.runModal();
    EXPECT_EQ(before, (ui::Rect{(80 - 67) / 2, (24 - 20) / 2, 67, 20}));
    EXPECT_EQ(after, (ui::Rect{(100 - 67) / 2, (30 - 20) / 2, 67, 20}));
    EXPECT_EQ(screen.lastFrame().canvas.size(), (ui::Size{100, 30}));
}

class NotifyDialog : public ui::Dialog {
  public:
    NotifyDialog() : ui::Dialog(res::dialogTemplate(100)) {}

  protected:
    bool onMessage(ui::Message& message) override {
        static constexpr ui::MessageEntry<NotifyDialog> table[] = {
            {ui::WM_NOTIFY, ui::NM_OUTOFMEMORY, 1026, &NotifyDialog::onOutOfMemory},
        };
        return ui::dispatchMessage(*this, table, message);
    }

  private:
    void onOutOfMemory(ui::NotifyHeader&, ui::MessageResult& result) {
        messageBox("Out Of Memory");
        result = 0;
    }
};

TEST_F(WindowTest, NotificationsReachTheirRowWithTheResult) {
    NotifyDialog dialog;
    ui::MessageResult result = -1;
    ui::MessageResult other = -1;
    screen
        .then([&] {
            ui::NotifyHeader header{1026, ui::NM_OUTOFMEMORY};
            result = dialog.sendMessage(ui::WM_NOTIFY, 1026, reinterpret_cast<ui::LParam>(&header));
        })
        .key(Key::enter)  // the box
        .then([&] {
            ui::NotifyHeader header{1022, ui::NM_OUTOFMEMORY};  // no row for this control
            other = dialog.sendMessage(ui::WM_NOTIFY, 1022, reinterpret_cast<ui::LParam>(&header));
        })
        .key(Key::enter);  // About's OK is id 2
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(other, 0);
    ASSERT_EQ(screen.messageBoxes().size(), 1u);
    EXPECT_EQ(screen.messageBoxes()[0].text, "Out Of Memory");
}

// ---------------------------------------------------------------------------
// Timers and the animation control

class EightFrameClips : public ui::PictureSource {
  public:
    std::optional<ui::ClipInfo> openClip(int resource) const override {
        if (resource != 202)
            return std::nullopt;
        return ui::ClipInfo{8, 500ms};
    }
};

class AnimatedDialog : public ui::Dialog {
  public:
    explicit AnimatedDialog(int clip) : ui::Dialog(res::dialogTemplate(100)), clip_(clip) {}

  protected:
    void exchangeData(ui::DataExchange& dx) override { dx.control(1026, animation_); }
    bool onInitDialog() override {
        animation_.sendMessage(ui::ACM_OPEN, 0, clip_);
        animation_.sendMessage(ui::ACM_PLAY, static_cast<ui::WParam>(-1), ui::makeLong(0, 0xFFFF));
        return true;
    }

  private:
    int clip_;
    ui::ControlHandle animation_;
};

class TimerTest : public ToolkitTest {
  protected:
    TimerTest() { ui::setPictureSource(&clips); }
    ~TimerTest() override { ui::setPictureSource(nullptr); }
    EightFrameClips clips;
};

TEST_F(TimerTest, TheClipLoopsOnTheScreensClock) {
    AnimatedDialog dialog(202);
    std::vector<int> frames;
    auto note = [&] { frames.push_back(dialog.controlAs<ui::Animation>(1026)->frame()); };
    screen.then(note)
        .advance(499ms)
        .then(note)
        .advance(1ms)
        .then(note)
        .advance(3000ms)  // 3.5 s in: the eighth frame
        .then(note)
        .advance(500ms)  // 4 s: the first again
        .then(note)
        .advance(1250ms)  // 5.25 s: frame 2 (after 4 s, 4.5 s, 5 s)
        .then(note)
        .key(Key::escape);
    dialog.runModal();
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 7, 0, 2}));
}

TEST_F(TimerTest, AClipThatCannotBeOpenedLeavesTheControlEmpty) {
    AnimatedDialog dialog(999);
    screen
        .then([&] {
            const auto* animation = dialog.controlAs<ui::Animation>(1026);
            EXPECT_FALSE(animation->isOpen());
            EXPECT_FALSE(animation->isPlaying());
        })
        .advance(2000ms)
        .key(Key::escape);
    EXPECT_EQ(dialog.runModal(), ui::IDCANCEL);
}

// ---------------------------------------------------------------------------
// The progress bar shows each position at once

class ProgressDialog : public ui::Dialog {
  public:
    ProgressDialog() : ui::Dialog(res::dialogTemplate(142)) {}
    std::vector<std::string> barRows;  // the bar's row as painted after each position
    ui::ScriptedScreen* screen = nullptr;

  protected:
    void exchangeData(ui::DataExchange& dx) override { dx.control(1005, bar_); }
    void onOk() override {
        bar_.sendMessage(ui::PBM_SETRANGE, 0, ui::makeLong(0, 100));
        for (int position : {0, 50, 100, 150}) {
            bar_.sendMessage(ui::PBM_SETPOS, static_cast<ui::WParam>(position), 0);
            const ui::Rect r = control(1005)->rect().translated(clientRect().x, clientRect().y);
            std::u32string row;
            for (int x = r.x; x < r.right(); ++x)
                row.push_back(screen->lastFrame().canvas.at({x, r.y}).ch);
            barRows.push_back(std::string(row.begin(), row.end()) == std::string(row.size(), ' ')
                                  ? "empty"
                                  : std::to_string(std::count(row.begin(), row.end(), U'█')));
        }
    }

  private:
    ui::ControlHandle bar_;
};

TEST_F(WindowTest, TheProgressBarIsPaintedAtOnceInsideTheHandler) {
    ProgressDialog dialog;
    dialog.screen = &screen;
    screen.key(Key::enter).key(Key::escape);
    dialog.runModal();
    // 21 cells: none, half (10), all of them, and a position past the end is held at the end.
    EXPECT_EQ(dialog.barRows, (std::vector<std::string>{"empty", "10", "21", "21"}));
    EXPECT_EQ(screen.progressPositions(), (std::vector<int>{0, 50, 100, 100}));
}

// ---------------------------------------------------------------------------
// The look

TEST_F(WindowTest, TheThreeDimensionalLookRaisesTheButtons) {
    auto drawNext = [&] {
        RecordingDialog dialog(res::dialogTemplate(129));
        std::u32string belowNext;
        screen
            .then([&] {
                const ui::Rect r = dialog.control(ui::IDOK)->rect().translated(
                    dialog.clientRect().x, dialog.clientRect().y);
                for (int x = r.x; x < r.right(); ++x)
                    belowNext.push_back(screen.lastFrame().canvas.at({x, r.y + 1}).ch);
            })
            .key(Key::escape);
        dialog.runModal();
        return belowNext;
    };
    ui::look() = {};
    const std::u32string flat = drawNext();
    EXPECT_TRUE(app.enable3dControls());
    const std::u32string raised = drawNext();
    ui::look() = {};
    EXPECT_EQ(flat.find(U'▀'), std::u32string::npos);
    EXPECT_NE(raised.find(U'▀'), std::u32string::npos);
}

}  // namespace

namespace {

TEST_F(WindowTest, AMessageBoxIsDrawnCentredOverItsOwner) {
    RecordingDialog owner(res::dialogTemplate(129));
    std::vector<std::string> drawn;
    ui::Rect box;
    screen.then([&] { owner.messageBox("Error Writing To File", ui::MessageBoxIcon::stop); })
        .then([&] {
            box = screen.topDialog()->windowRect();
            for (int y = box.y; y < box.bottom(); ++y) {
                std::u32string row;
                for (int x = box.x; x < box.right(); ++x)
                    row.push_back(screen.lastFrame().canvas.at({x, y}).ch);
                drawn.push_back(ui::cp1252::toUtf8(row));
            }
        })
        .key(Key::enter)
        .key(Key::escape);
    owner.runModal();
    const ui::Rect over = owner.windowRect();
    EXPECT_EQ(box.x, over.x + (over.width - box.width) / 2);
    EXPECT_EQ(box.y, over.y + (over.height - box.height) / 2);
    const std::vector<std::string> expected = {
        "▌≡ navisift                   ×▐", "│                              │",
        "│  (X)  Error Writing To File  │", "│                              │",
        "│          [   OK   ]          │", "│                              │",
        "└──────────────────────────────┘",
    };
    EXPECT_EQ(drawn, expected) << screen.drawing();
}

}  // namespace
