#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A real program in a real terminal: a private tmux server with one 80 x 24 window, driven by keys
// and read back as the text it shows. The server goes away with the object, whatever the test did.

namespace navisift_test {

using namespace std::chrono_literals;

class TmuxSession {
  public:
    // Starts `command` (a program and its arguments) in `workingDirectory`.
    TmuxSession(const std::vector<std::string>& command,
                const std::filesystem::path& workingDirectory);
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    // Keys by tmux's names ("Enter", "Escape", "Tab", "F1", "M-q", "C-c", "Space").
    void press(std::string_view key);
    // Types text literally, one key per character.
    void type(std::string_view text);
    // A left click (press and release) on the cell at column x, row y, counted from 0, sent as
    // the terminal's SGR mouse report.
    void click(int x, int y);

    // The window's text now, one line per row.
    std::string screen() const;
    // The same with the terminal's colour and style sequences left in.
    std::string screenWithColours() const;
    // Waits until the window shows `text`; false after `timeout`.
    bool waitForText(std::string_view text, std::chrono::milliseconds timeout = 10s) const;
    // Waits until the window no longer shows `text`.
    bool waitForTextGone(std::string_view text, std::chrono::milliseconds timeout = 10s) const;
    // Where `text` first shows on the screen, if it does.
    struct Position {
        int x = 0;
        int y = 0;
    };
    std::optional<Position> find(std::string_view text) const;
    // The same, on one row only.
    std::optional<Position> findOnRow(std::string_view text, int row) const;

    // The program's exit code once it has ended; nothing if it is still running after `timeout`.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = 10s) const;

    // The terminal's modes (`stty -a`) just before the program started and once it had ended.
    std::string terminalModesBefore() const;
    std::string terminalModesAfter() const;

  private:
    std::string tmux(const std::vector<std::string>& arguments) const;

    std::filesystem::path folder_;  // the socket and the exit code live here
    std::filesystem::path socket_;
    std::filesystem::path exitCodeFile_;
};

// Whether tmux can be run here at all.
bool tmuxAvailable();

}  // namespace navisift_test
