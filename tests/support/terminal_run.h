#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One program in a real terminal: a private tmux server whose only pane runs
// the program under a small shell that notes the terminal's modes before and
// after it, its exit code, and (through `script`) every byte it wrote. Driven
// by keys, pastes, clicks and resizes; read back as the text the pane shows.
// The server and the run's folder go away with the object, whatever the test did.

namespace navisift_e2e {

using namespace std::chrono_literals;

struct TerminalOptions {
    int width = 80;
    int height = 24;
    std::string term = "xterm-256color";
    std::string locale = "C.UTF-8";
    // The shell around the program, run by `interpreter` with the program and
    // its arguments as its own: by default the one that notes the modes and
    // the exit code (see terminal_run.cpp); its files are what waitForEnd reads.
    std::string_view innerShell = {};
    std::string interpreter = "sh";
    // Where the program runs. Empty: in the run's own folder, beside the inner
    // shell's files. A test that looks at the files the program leaves behind
    // gives its own fresh folder here, so nothing but the program writes there.
    std::filesystem::path workingDirectory = {};
};

// The default inner shell.
extern const std::string_view standardInnerShell;

// What is known once the program has ended.
struct Ending {
    int exitCode = -1;       // as the shell reports it: 128 + n after signal n
    std::string sttyBefore;  // `stty -a` before the program started
    std::string sttyAfter;   // and after it ended
    std::string output;      // every byte the program wrote to the terminal
    std::string paneModes;   // tmux's view of the pane's modes afterwards
};

// Where a text shows on the screen: its first cell's column and row, from 0.
struct Place {
    int x = 0;
    int y = 0;
};

class TerminalRun {
  public:
    TerminalRun(const std::vector<std::string>& command, const TerminalOptions& options = {});
    ~TerminalRun();
    TerminalRun(const TerminalRun&) = delete;
    TerminalRun& operator=(const TerminalRun&) = delete;

    // The run's own folder: the inner shell's files, and the program's
    // working directory unless the options name another.
    const std::filesystem::path& folder() const { return folder_; }

    // Keys by tmux's names: "Enter", "Escape", "Tab", "BTab", "M-s", "C-c", "F1".
    void keys(const std::vector<std::string>& names);
    // Text typed literally (UTF-8), one key per character.
    void type(std::string_view utf8);
    // Raw bytes written to the program's input as if the terminal sent them.
    void sendBytes(std::string_view bytes);
    // A bracketed paste of the text, as the terminal's paste would send it.
    void paste(std::string_view utf8);
    // Press and release of the left button on a cell (counted from 0), as SGR reports.
    void click(int x, int y);
    void mouse(bool press, int x, int y);
    void resize(int width, int height);
    // Sends a signal to the program itself.
    void signal(int signalNumber);
    // The program's process id, once it has started.
    int programPid() const;
    // How many bytes the program has written to the terminal so far.
    std::uintmax_t outputSize() const;

    // The pane's rows now, as UTF-8 text.
    std::vector<std::string> screen() const;
    std::string screenText() const;
    // The screen for a failure report: the text, or why it could not be read (the pane may be
    // gone with the program).
    std::string screenTextForReport() const;
    // The same with the cells' colours and attributes as escape sequences.
    std::string screenWithAttributes() const;
    // The cursor: where it is and whether it shows.
    struct Cursor {
        int x = 0;
        int y = 0;
        bool visible = false;
    };
    Cursor cursor() const;

    // Waits until the screen satisfies the condition; false after the timeout.
    bool waitUntil(const std::function<bool(const std::string& screen)>& condition,
                   std::chrono::milliseconds timeout = 10s) const;
    bool waitForText(std::string_view text, std::chrono::milliseconds timeout = 10s) const;
    bool waitForTextGone(std::string_view text, std::chrono::milliseconds timeout = 10s) const;
    // Waits until the screen has stopped changing for a moment.
    std::string settledScreen() const;

    // Where the text first shows on the screen now, if it does.
    std::optional<Place> find(std::string_view text) const;
    // The same, on one row only.
    std::optional<Place> findOnRow(std::string_view text, int row) const;

    // tmux's view of the pane's modes: "alternate=0 mouse=00000 cursor=1 keypad=0"
    // (alternate screen, the five mouse modes, cursor shown, keypad keys).
    std::string paneModes() const;

    // Waits for the program's end; nothing if it still runs after the timeout.
    std::optional<Ending> waitForEnd(std::chrono::milliseconds timeout = 15s) const;

  private:
    std::string tmux(const std::vector<std::string>& arguments) const;

    std::filesystem::path folder_;
    std::filesystem::path socket_;
};

// The text of a pane row without its trailing blanks.
std::string trimmedRight(std::string line);

// Whether tmux can be run here at all.
bool tmuxAvailable();

}  // namespace navisift_e2e
