#include "tests/app/tmux_session.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace navisift_test {

namespace fs = std::filesystem;

namespace {

// Quotes one word for /bin/sh.
std::string shellQuoted(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string joinedForShell(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        line += shellQuoted(word);
    }
    return line;
}

// Runs a shell command and returns what it printed; throws when it fails.
std::string run(const std::string& command) {
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        throw std::runtime_error("cannot run: " + command);
    std::string output;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    const int status = ::pclose(pipe);
    if (status != 0)
        throw std::runtime_error("failed (" + std::to_string(status) + "): " + command + "\n" +
                                 output);
    return output;
}

template <typename Condition>
bool pollUntil(std::chrono::milliseconds timeout, Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(50ms);
    }
}

}  // namespace

bool tmuxAvailable() {
    return std::system("tmux -V >/dev/null 2>&1") == 0;
}

TmuxSession::TmuxSession(const std::vector<std::string>& command,
                         const fs::path& workingDirectory) {
    char pattern[] = "/tmp/navisift-tmux-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
    socket_ = folder_ / "socket";
    exitCodeFile_ = folder_ / "exit-code";
    // The shell notes the terminal's modes before and after the program, then writes the exit
    // code to a side file and renames it, so a reader never sees half a number.
    const auto file = [&](std::string_view name) { return shellQuoted((folder_ / name).string()); };
    const std::string script = "cd " + shellQuoted(workingDirectory.string()) + " && stty -a > " +
                               file("modes-before") + " && " + joinedForShell(command) +
                               "; code=$?; stty -a > " + file("modes-after") + "; echo $code > " +
                               file("exit-code.part") + " && mv " + file("exit-code.part") + " " +
                               shellQuoted(exitCodeFile_.string());
    tmux({"-f", "/dev/null", "new-session", "-d", "-x", "80", "-y", "24", "sh", "-c", script});
    // Keep the window at 80 x 24 whatever client attaches (none does).
    tmux({"set-option", "-g", "window-size", "manual"});
}

TmuxSession::~TmuxSession() {
    std::system(
        ("tmux -S " + shellQuoted(socket_.string()) + " kill-server >/dev/null 2>&1").c_str());
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string TmuxSession::tmux(const std::vector<std::string>& arguments) const {
    return run("tmux -S " + shellQuoted(socket_.string()) + " " + joinedForShell(arguments));
}

void TmuxSession::press(std::string_view key) {
    tmux({"send-keys", "-t", "0", std::string(key)});
}

void TmuxSession::type(std::string_view text) {
    tmux({"send-keys", "-t", "0", "-l", std::string(text)});
}

void TmuxSession::click(int x, int y) {
    // SGR mouse reports count from 1: ESC [ < button ; column ; row M (press) or m (release).
    const std::string where = std::to_string(x + 1) + ";" + std::to_string(y + 1);
    for (const std::string& report : {"\x1b[<0;" + where + "M", "\x1b[<0;" + where + "m"}) {
        std::vector<std::string> arguments{"send-keys", "-t", "0", "-H"};
        for (const unsigned char c : report) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", c);
            arguments.emplace_back(hex);
        }
        tmux(arguments);
    }
}

std::string TmuxSession::screen() const {
    return tmux({"capture-pane", "-p", "-t", "0"});
}

std::string TmuxSession::screenWithColours() const {
    return tmux({"capture-pane", "-p", "-e", "-t", "0"});
}

bool TmuxSession::waitForText(std::string_view text, std::chrono::milliseconds timeout) const {
    return pollUntil(timeout, [&] { return screen().find(text) != std::string::npos; });
}

bool TmuxSession::waitForTextGone(std::string_view text, std::chrono::milliseconds timeout) const {
    return pollUntil(timeout, [&] { return screen().find(text) == std::string::npos; });
}

std::optional<TmuxSession::Position> TmuxSession::find(std::string_view text) const {
    return findOnRow(text, -1);
}

std::optional<TmuxSession::Position> TmuxSession::findOnRow(std::string_view text, int row) const {
    std::istringstream lines(screen());
    std::string line;
    for (int y = 0; std::getline(lines, line); ++y) {
        if (row >= 0 && y != row)
            continue;
        // Columns count cells; the window shows only single-width characters, but lines drawn
        // with box characters are UTF-8, so count the bytes that start a character.
        const std::size_t at = line.find(text);
        if (at == std::string::npos)
            continue;
        int x = 0;
        for (std::size_t i = 0; i < at; ++i) {
            if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
                ++x;
        }
        return Position{x, y};
    }
    return std::nullopt;
}

std::string TmuxSession::terminalModesBefore() const {
    std::ifstream in(folder_ / "modes-before");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TmuxSession::terminalModesAfter() const {
    std::ifstream in(folder_ / "modes-after");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<int> TmuxSession::waitForExit(std::chrono::milliseconds timeout) const {
    if (!pollUntil(timeout, [&] { return fs::exists(exitCodeFile_); }))
        return std::nullopt;
    std::ifstream in(exitCodeFile_);
    int code = -1;
    in >> code;
    return code;
}

}  // namespace navisift_test
