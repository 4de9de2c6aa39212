#include "ui/terminal/terminal_session.h"

#include <curses.h>
#include <langinfo.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui::terminal {
namespace {

// Long enough for an Alt+letter's two bytes to arrive together, short enough
// that Esc alone acts at once.
constexpr int escapeDelayMilliseconds = 25;

// Button press and release reports, and motion while a button is held (for
// selecting by dragging), in the SGR encoding; and bracketed paste. The
// reports are read by the screen's own decoder, which sees press and release
// apart even when both arrive in one read.
constexpr std::string_view extraModesOn = "\x1b[?1000h\x1b[?1002h\x1b[?1006h\x1b[?2004h";
// Every mouse mode a terminal may have been switched to, and bracketed paste.
constexpr std::string_view extraModesOff =
    "\x1b[?2004l\x1b[?1000l\x1b[?1002l\x1b[?1003l\x1b[?1006l";

constexpr std::array<int, 4> endingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr std::array<int, 5> crashSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t handledSignalCount = endingSignals.size() + crashSignals.size();

// What a signal handler needs to give the terminal back, prepared in advance
// because a handler may only write bytes and set terminal attributes.
struct Restoration {
    volatile std::sig_atomic_t pending = 0;
    termios original{};
    std::array<char, 512> bytes{};
    std::size_t length = 0;
    // A stop (SIGTSTP) gives the terminal back too, and takes it again on
    // continuing: the program's modes and the bytes that switch them on.
    termios programModes{};
    std::array<char, 512> reentryBytes{};
    std::size_t reentryLength = 0;
    volatile std::sig_atomic_t redrawRequested = 0;
    volatile std::sig_atomic_t reentryPending = 0;  // continued, but in the background
    std::array<struct sigaction, handledSignalCount> previousActions{};
    struct sigaction previousStopAction {};
};
Restoration restoration;

// The curses screen of the one session.
SCREEN* cursesScreen = nullptr;

void writeAll(const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, length);
        if (written <= 0)
            return;  // a hung-up terminal takes nothing more
        data += written;
        length -= static_cast<std::size_t>(written);
    }
}

void restoreFromSignal(int signalNumber) {
    if (restoration.pending) {
        restoration.pending = 0;
        writeAll(restoration.bytes.data(), restoration.length);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &restoration.original);
    }
    // The action is the default again (SA_RESETHAND); the signal is blocked
    // while this runs, so it takes effect as soon as the handler returns.
    std::raise(signalNumber);
}

void installStopHandler();

// Takes the terminal again after a stop, once the program is in the
// foreground; a program continued in the background leaves the shell alone.
// Async-signal-safe.
void reenterIfForeground() {
    if (!restoration.reentryPending || ::tcgetpgrp(STDIN_FILENO) != ::getpgrp())
        return;
    restoration.reentryPending = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &restoration.programModes);
    writeAll(restoration.reentryBytes.data(), restoration.reentryLength);
    restoration.redrawRequested = 1;
}

// Stopped from outside (the suspend key is plain input here): the shell gets
// its terminal back while the program sleeps, and the program takes it again,
// repainted in full, once it continues.
void suspendFromSignal(int) {
    const int savedErrno = errno;
    const bool ownsTerminal = restoration.pending != 0;
    if (ownsTerminal) {
        writeAll(restoration.bytes.data(), restoration.length);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &restoration.original);
    }
    struct sigaction stop {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGTSTP, &stop, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    std::raise(SIGTSTP);  // the process stops here until SIGCONT
    installStopHandler();
    if (ownsTerminal && restoration.pending) {
        restoration.reentryPending = 1;
        reenterIfForeground();
    }
    errno = savedErrno;
}

// Not restarted: the blocked read returns, so the screen repaints at once.
void installStopHandler() {
    struct sigaction action {};
    action.sa_handler = suspendFromSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGTSTP, &action, nullptr);
}

// A terminfo string, or nothing when the terminal lacks it.
std::string_view capability(const char* name) {
    const char* value = tigetstr(name);
    if (value == nullptr || value == reinterpret_cast<const char*>(-1))
        return {};
    return value;
}

std::size_t copyInto(std::array<char, 512>& target, const std::string& bytes) {
    const std::size_t length = std::min(bytes.size(), target.size());
    std::memcpy(target.data(), bytes.data(), length);
    return length;
}

void prepareRestorationBytes() {
    std::string bytes(extraModesOff);
    for (const char* name : {"sgr0", "cnorm", "rmkx", "rmcup"})
        bytes += capability(name);
    restoration.length = copyInto(restoration.bytes, bytes);
}

// Called once the program's modes are set: what a continue after a stop restores.
void prepareReentry() {
    ::tcgetattr(STDIN_FILENO, &restoration.programModes);
    std::string bytes;
    for (const char* name : {"smcup", "smkx", "civis"})
        bytes += capability(name);
    bytes += extraModesOn;
    restoration.reentryLength = copyInto(restoration.reentryBytes, bytes);
}

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = restoreFromSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    std::size_t slot = 0;
    for (int signalNumber : endingSignals)
        sigaction(signalNumber, &action, &restoration.previousActions[slot++]);
    for (int signalNumber : crashSignals)
        sigaction(signalNumber, &action, &restoration.previousActions[slot++]);
    sigaction(SIGTSTP, nullptr, &restoration.previousStopAction);
    installStopHandler();
}

void removeSignalHandlers() {
    std::size_t slot = 0;
    for (int signalNumber : endingSignals)
        sigaction(signalNumber, &restoration.previousActions[slot++], nullptr);
    for (int signalNumber : crashSignals)
        sigaction(signalNumber, &restoration.previousActions[slot++], nullptr);
    sigaction(SIGTSTP, &restoration.previousStopAction, nullptr);
}

// Flow control and suspend would only freeze or stop a dialog, so their keys
// are plain input here; and so is the interrupt key, which copies in an
// answer field and ends the program anywhere else (the toolkit decides).
// Ctrl+\ stays a signal, the way out that needs no dialog.
void freeFlowControlSuspendAndInterruptKeys() {
    termios modes{};
    if (::tcgetattr(STDIN_FILENO, &modes) != 0)
        return;
    modes.c_iflag &= ~static_cast<tcflag_t>(IXON);
    modes.c_cc[VSUSP] = _POSIX_VDISABLE;
    modes.c_cc[VINTR] = _POSIX_VDISABLE;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &modes);
    def_prog_mode();
}

constexpr const char* unknownTerminal = "the terminal type is unknown (check TERM)";

// What the terminal named by TERM lacks for the dialogs, or nothing. Without cursor
// addressing (TERM=dumb) the screen would stay blank while keys act blindly. Only the
// terminal's description is read: nothing is sent to the terminal.
const char* missingCapability() {
    int status = 0;
    if (setupterm(nullptr, STDOUT_FILENO, &status) != OK)
        return unknownTerminal;
    const bool addressesCursor = !capability("cup").empty();
    del_curterm(cur_term);
    if (!addressesCursor)
        return "the terminal cannot move its cursor (check TERM)";
    return nullptr;
}

ColorDepth detectColorDepth() {
    if (!has_colors() || start_color() == ERR)
        return ColorDepth::monochrome;
    if (COLORS >= 256)
        return ColorDepth::full256;
    if (COLORS >= 8)
        return ColorDepth::eight;
    return ColorDepth::monochrome;
}

}  // namespace

TerminalSession::TerminalSession() {
    if (restoration.pending)
        throw std::logic_error("a terminal session is already running");
    if (!::isatty(STDIN_FILENO) || !::isatty(STDOUT_FILENO))
        throw std::runtime_error("standard input and output must be a terminal");
    if (::tcgetattr(STDIN_FILENO, &restoration.original) != 0)
        throw std::runtime_error("the terminal's modes cannot be read");

    std::setlocale(LC_ALL, "");
    showsUnicode_ = std::string_view(nl_langinfo(CODESET)) == "UTF-8";

    if (const char* lack = missingCapability())
        throw std::runtime_error(lack);

    // Our handlers first: curses leaves alone the signals that already have one.
    installSignalHandlers();
    cursesScreen = newterm(nullptr, stdout, stdin);
    if (cursesScreen == nullptr) {
        removeSignalHandlers();
        throw std::runtime_error(unknownTerminal);
    }
    prepareRestorationBytes();
    restoration.pending = 1;
    active_ = true;

    cbreak();
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    keyok(KEY_MOUSE, FALSE);  // mouse reports reach the screen's decoder as they are
    set_escdelay(escapeDelayMilliseconds);
    freeFlowControlSuspendAndInterruptKeys();
    colorDepth_ = detectColorDepth();
    curs_set(0);
    // No update of a blank screen here: the first frame clears the screen and
    // paints it in one go, sparing a start an update of its own.
    writeAll(extraModesOn.data(), extraModesOn.size());
    prepareReentry();
}

TerminalSession::~TerminalSession() {
    giveBack();
}

bool TerminalSession::takeRedrawRequest() {
    reenterIfForeground();
    if (!restoration.redrawRequested)
        return false;
    restoration.redrawRequested = 0;
    return true;
}

void TerminalSession::giveBack() {
    if (!active_)
        return;
    active_ = false;
    curs_set(1);
    endwin();
    delscreen(cursesScreen);
    cursesScreen = nullptr;
    restoration.pending = 0;
    writeAll(extraModesOff.data(), extraModesOff.size());
    ::tcsetattr(STDIN_FILENO, TCSANOW, &restoration.original);
    removeSignalHandlers();
}

}  // namespace ui::terminal
