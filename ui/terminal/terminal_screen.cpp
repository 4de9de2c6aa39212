#include "ui/terminal/terminal_screen.h"

#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "ui/cp1252.h"
#include "ui/terminal/base64.h"
#include "ui/terminal/curses_keys.h"
#include "ui/terminal/frame_diff.h"
#include "ui/terminal/too_small_notice.h"
#include "ui/terminal/viewport.h"

namespace ui::terminal {
namespace {

// Stand-ins for the drawing characters where the locale cannot show Unicode.
struct AsciiStandIn {
    char32_t code;
    char ascii;
};
constexpr std::array<AsciiStandIn, 28> asciiStandIns{{
    {U'─', '-'}, {U'━', '-'}, {U'═', '='}, {U'│', '|'}, {U'┃', '|'}, {U'║', '|'}, {U'┌', '+'},
    {U'┐', '+'}, {U'└', '+'}, {U'┘', '+'}, {U'├', '+'}, {U'┤', '+'}, {U'┬', '+'}, {U'┴', '+'},
    {U'┼', '+'}, {U'█', '#'}, {U'▓', '#'}, {U'▒', '#'}, {U'░', ':'}, {U'▀', '-'}, {U'▄', '_'},
    {U'•', '*'}, {U'≡', '='}, {U'×', 'x'}, {U'▲', '^'}, {U'▼', 'v'}, {U'▌', ' '}, {U'▐', ' '},
}};

char32_t shownCharacter(char32_t code, bool showsUnicode) {
    if (showsUnicode || code < 0x7F)
        return code;
    for (const AsciiStandIn& entry : asciiStandIns)
        if (entry.code == code)
            return static_cast<char32_t>(entry.ascii);
    // Latin letters still show where the locale has them.
    std::mbstate_t state{};
    std::array<char, MB_LEN_MAX> bytes{};
    if (std::wcrtomb(bytes.data(), static_cast<wchar_t>(code), &state) !=
        static_cast<std::size_t>(-1))
        return code;
    return U'?';
}

// The screen's header keeps curses' attributes without including curses.
static_assert(sizeof(attr_t) <= sizeof(unsigned int));

attr_t cursesAttributes(Attribute attributes) {
    attr_t result = A_NORMAL;
    if (hasAttribute(attributes, Attribute::bold))
        result |= A_BOLD;
    if (hasAttribute(attributes, Attribute::underline))
        result |= A_UNDERLINE;
    if (hasAttribute(attributes, Attribute::reverse))
        result |= A_REVERSE;
    return result;
}

// Every dialog is laid out to fit a terminal of this size. A smaller terminal
// is still given frames of this size, and shows the part its windows cover.
constexpr Size smallestLayout{80, 24};

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return 0;
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

// Bytes for the terminal beside what curses sends; curses has sent all of
// its own by the time a frame is shown.
void writeToTerminal(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written <= 0)
            return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool terminalHungUp() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace

TerminalScreen::TerminalScreen()
    : session_(std::make_unique<TerminalSession>()), decoder_(&cp1252::fromUnicode) {
    chooseBaseColours();
}

TerminalScreen::~TerminalScreen() = default;

Size TerminalScreen::size() const {
    const Size terminal = terminalSize();
    return {std::max(terminal.width, smallestLayout.width),
            std::max(terminal.height, smallestLayout.height)};
}

Size TerminalScreen::terminalSize() const {
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    return {columns, rows};
}

// After every update curses puts the terminal back to colour pair 0, and a
// cell drawn in pair 0 sends no colours of its own. Pair 0 is therefore the
// look of a typed answer, window text on window: typing a character sends the
// character alone, where any other pair would send its colours before it and
// the way back to pair 0 after it. The notice keeps white on black.
void TerminalScreen::chooseBaseColours() {
    const CellLook typed = lookOf(
        Cell{U' ', palette::windowText, palette::window, CellStyle::plain}, session_->colorDepth());
    if (typed.foreground < 0 || typed.background < 0 ||
        assume_default_colors(typed.foreground, typed.background) == ERR)
        return;
    basePair_ = std::make_pair(typed.foreground, typed.background);
    noticePair_ = colorPair(CellLook{COLOR_WHITE, COLOR_BLACK, Attribute::none});
    clearok(curscr, TRUE);  // what the terminal shows was cleared in the old pair 0
}

void TerminalScreen::present(const Frame& frame) {
    frame_ = frame;
    draw();
}

void TerminalScreen::draw() {
    const std::optional<Rect> viewport =
        viewportOf(frame_.canvas.size(), frame_.windows, terminalSize());
    if (!viewport) {
        drawNotice(neededArea(frame_.canvas.size(), frame_.windows).size());
        return;
    }
    Canvas next = frame_.canvas.part(*viewport);
    if (tooSmall_ || shown_.size() != next.size()) {
        tooSmall_ = false;
        wbkgdset(stdscr, ' ');  // the notice's colours must not reach the cells in pair 0
        werase(stdscr);
        shown_ = Canvas();
    }
    for (const CellRun& run : changedRuns(shown_, next))
        for (int x = run.start.x; x < run.start.x + run.length; ++x)
            drawCell({x, run.start.y}, next.at({x, run.start.y}));
    shown_ = std::move(next);
    shownFrom_ = viewport->origin();

    const Point caret = frame_.caret
                            ? Point{frame_.caret->x - shownFrom_.x, frame_.caret->y - shownFrom_.y}
                            : Point{-1, -1};
    if (shown_.bounds().contains(caret)) {
        wmove(stdscr, caret.y, caret.x);
        curs_set(1);
    } else {
        curs_set(0);
    }
    wnoutrefresh(stdscr);
    doupdate();
}

void TerminalScreen::drawNotice(Size needed) {
    tooSmall_ = true;
    shown_ = Canvas();
    const Size terminal = terminalSize();
    const std::vector<std::string> lines = tooSmallNoticeLines(needed, terminal);
    wbkgdset(stdscr, ' ' | static_cast<chtype>(COLOR_PAIR(noticePair_)));
    werase(stdscr);
    wattrset(stdscr, A_NORMAL);
    const int top = (terminal.height - static_cast<int>(lines.size())) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int length = static_cast<int>(lines[i].size());
        const int left = length < terminal.width ? (terminal.width - length) / 2 : 0;
        mvwaddnstr(stdscr, top + static_cast<int>(i), left, lines[i].c_str(), terminal.width);
    }
    curs_set(0);
    wnoutrefresh(stdscr);
    doupdate();
}

void TerminalScreen::drawCell(Point at, const Cell& cell) {
    // Cells side by side mostly share their look: it is worked out once for the run.
    if (!lastLook_ || !sameLook(lastLook_->cell, cell)) {
        const CellLook look = lookOf(cell, session_->colorDepth());
        lastLook_ = RememberedLook{cell, cursesAttributes(look.attributes), colorPair(look)};
    }
    const std::array<wchar_t, 2> text{
        static_cast<wchar_t>(shownCharacter(cell.ch, session_->showsUnicode())), L'\0'};
    int pair = lastLook_->pair;
    cchar_t shown{};
    setcchar(&shown, text.data(), lastLook_->attributes, 0, &pair);
    // The last cell of the screen cannot move the cursor on; curses still draws it.
    mvwadd_wch(stdscr, at.y, at.x, &shown);
}

int TerminalScreen::colorPair(CellLook look) {
    if (look.foreground < 0 || look.background < 0)
        return 0;
    const auto key = std::make_pair(look.foreground, look.background);
    // With attributes, curses reaches pair 0 through a reset of the colours
    // that a pair of its own does without.
    if (key == basePair_ && look.attributes == Attribute::none)
        return 0;
    if (const auto found = pairs_.find(key); found != pairs_.end())
        return found->second;
    const int pair = static_cast<int>(pairs_.size()) + 1;
    if (pair >= COLOR_PAIRS || init_extended_pair(pair, look.foreground, look.background) == ERR)
        return 0;  // out of pairs: the terminal's own colours still read
    pairs_.emplace(key, pair);
    return pair;
}

std::optional<Event> TerminalScreen::waitForEvent(std::optional<Clock::time_point> deadline) {
    for (;;) {
        if (session_->takeRedrawRequest()) {
            clearok(curscr, TRUE);
            shown_ = Canvas();
            draw();
        }
        while (auto event = decoder_.takeEvent()) {
            // While the notice is up the dialog cannot be seen, so nothing may act on it;
            // Ctrl+C still ends the program.
            if (tooSmall_) {
                const NoticeInput input = noticeInputOf(*event);
                if (input == NoticeInput::endProgram)
                    interrupt();
                if (input != NoticeInput::resize)
                    continue;
            }
            if (auto* mouse = std::get_if<MouseEvent>(&*event)) {
                mouse->at.x += shownFrom_.x;
                mouse->at.y += shownFrom_.y;
            }
            return event;
        }
        int timeout = -1;  // block until input
        if (deadline) {
            if (Clock::now() >= *deadline)
                return std::nullopt;
            timeout = millisecondsUntil(*deadline);
        }
        if (const auto patience = decoder_.patience()) {
            const int wait = static_cast<int>(patience->count());
            timeout = timeout < 0 ? wait : std::min(timeout, wait);
        }
        readInput(timeout);
    }
}

void TerminalScreen::readInput(int timeoutMilliseconds) {
    wtimeout(stdscr, timeoutMilliseconds);
    wint_t input = 0;
    const int result = wget_wch(stdscr, &input);
    if (result == ERR) {
        if (decoder_.patience()) {
            decoder_.feed(Idle{});
        } else if (timeoutMilliseconds < 0) {
            waitForTheTerminal();
        }
        return;
    }
    if (result != KEY_CODE_YES) {
        decoder_.feed(TypedCharacter{static_cast<char32_t>(input)});
        return;
    }
    const int code = static_cast<int>(input);
    if (code == KEY_RESIZE) {
        onResize();
        return;
    }
    if (const auto key = keyOfCursesCode(code))
        decoder_.feed(*key);
}

void TerminalScreen::waitForTheTerminal() {
    // A read that should have blocked came back empty: a signal woke it, the
    // terminal hung up, or the program was continued in the background, where
    // reading fails at once. None of them may turn into a busy loop.
    if (terminalHungUp())
        std::raise(SIGHUP);  // gives back what can be given, and ends
    if (::tcgetpgrp(STDIN_FILENO) != ::getpgrp())
        std::raise(SIGTTIN);  // stopped, as background readers are, until brought back
    // Where the stop is refused, or the read keeps failing for a reason of its
    // own, a short rest keeps the loop from spinning.
    ::poll(nullptr, 0, 100);
}

void TerminalScreen::onResize() {
    // Whatever the terminal kept of the old picture cannot be trusted.
    clearok(curscr, TRUE);
    shown_ = Canvas();
    draw();
    decoder_.feed(ResizeEvent{size()});
}

void TerminalScreen::bell() {
    beep();
}

void TerminalScreen::offerToClipboard(std::string_view windows1252) {
    // A terminal that can set the clipboard says how in terminfo's Ms: OSC 52
    // with the selection ("c", the clipboard) and the text in base64.
    const char* setSelection = tigetstr("Ms");
    if (setSelection == nullptr || setSelection == reinterpret_cast<const char*>(-1))
        return;
    const std::string text = base64(cp1252::toUtf8(cp1252::toUnicode(windows1252)));
    if (const char* sequence = tiparm(setSelection, "c", text.c_str()))
        writeToTerminal(sequence);
}

void TerminalScreen::interrupt() {
    // The session's handler gives the terminal back; the signal's own action ends the program.
    std::raise(SIGINT);
    quickExit(128 + SIGINT);  // SIGINT was blocked from outside
}

void TerminalScreen::normalEnd() {
    session_->giveBack();
}

void TerminalScreen::quickExit(int exitCode) {
    session_->giveBack();
    std::fflush(nullptr);
    ::_exit(exitCode);
}

}  // namespace ui::terminal
