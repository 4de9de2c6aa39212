#include "tests/support/terminal_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace navisift_e2e {
namespace fs = std::filesystem;
namespace {

std::string shellQuoted(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::optional<std::string> readFile(const fs::path& path);

// Runs a program with its arguments (no shell in between) and returns what it
// printed; throws when it cannot run or fails. The output goes through a file,
// not a pipe: the tmux server that a client starts keeps its copy of the
// client's output open, and a pipe would never end.
std::string runProgram(const std::vector<std::string>& arguments, const fs::path& outputFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot run " + arguments.front());
    int status = 0;
    ::waitpid(child, &status, 0);
    std::string output = readFile(outputFile).value_or("");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string line;
        for (const std::string& argument : arguments)
            line += argument + " ";
        throw std::runtime_error("failed: " + line + "\n" + output);
    }
    return output;
}

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const fs::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// The column of a byte offset in a row: every cell holds one character, so
// count the characters before it, not their UTF-8 bytes.
int columnOf(std::string_view row, std::size_t byteOffset) {
    int column = 0;
    for (std::size_t i = 0; i < byteOffset; ++i)
        if ((static_cast<unsigned char>(row[i]) & 0xC0) != 0x80)
            ++column;
    return column;
}

std::string hexByte(unsigned char byte) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", byte);
    return hex;
}

// The shell inside the terminal: notes the modes, runs the program as its own
// process (its pid in a file), then notes the exit code and the modes again.
// It survives Ctrl+C itself; the program gets the default action back at exec.
constexpr std::string_view innerShellText = R"(trap ':' INT QUIT
stty -a > stty-before.txt
sh -c 'echo $$ > program.pid; exec "$0" "$@"' "$@"
echo $? > exit-code.part
stty -a > stty-after.txt
mv exit-code.part exit-code.txt
)";

}  // namespace

const std::string_view standardInnerShell = innerShellText;

std::string trimmedRight(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\n'))
        line.pop_back();
    return line;
}

bool tmuxAvailable() {
    return std::system("tmux -V >/dev/null 2>&1") == 0;
}

TerminalRun::TerminalRun(const std::vector<std::string>& command, const TerminalOptions& options) {
    std::string pattern = (fs::temp_directory_path() / "navisift-e2e-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    socket_ = folder_ / "tmux.socket";
    writeFile(folder_ / "inner.sh",
              options.innerShell.empty() ? standardInnerShell : options.innerShell);

    std::string programLine =
        options.interpreter + " " + shellQuoted((folder_ / "inner.sh").string()) + " env ";
    // Only `env`, the last step before the program, changes the directory: the
    // inner shell keeps its files in the run's folder, the program works elsewhere.
    if (!options.workingDirectory.empty())
        programLine += "--chdir=" + shellQuoted(options.workingDirectory.string()) + " ";
    programLine += shellQuoted("TERM=" + options.term) + " " +
                   shellQuoted("LANG=" + options.locale) + " LC_ALL= ";
    for (const std::string& word : command)
        programLine += shellQuoted(word) + " ";
    // `script` records every byte the program writes; afterwards the pane waits to be read.
    const std::string paneLine = "cd " + shellQuoted(folder_.string()) + " && script -q -e -f -c " +
                                 shellQuoted(programLine) +
                                 " typescript.txt; echo '--- ended ---'; exec sleep 3600";
    tmux({"-f", "/dev/null", "new-session", "-d", "-s", "e2e", "-x", std::to_string(options.width),
          "-y", std::to_string(options.height), "sh", "-c", paneLine});
    tmux({"set-option", "-g", "window-size", "manual"});
}

TerminalRun::~TerminalRun() {
    // A program that is still running would keep its terminal, and `script`,
    // alive: it is killed, and the shell around it is given a moment to finish
    // writing its files before they go.
    if (!fs::exists(folder_ / "exit-code.txt")) {
        const auto pid = readFile(folder_ / "program.pid");
        if (pid && !pid->empty() && std::isdigit(static_cast<unsigned char>(pid->front())))
            ::kill(std::stoi(*pid), SIGKILL);
        for (int wait = 0; wait < 100 && !fs::exists(folder_ / "exit-code.txt"); ++wait)
            std::this_thread::sleep_for(20ms);
    }
    try {
        tmux({"kill-server"});
    } catch (const std::exception&) {
        // already gone
    }
    std::error_code error;
    for (int attempt = 0; attempt < 20; ++attempt) {
        fs::remove_all(folder_, error);
        if (!error && !fs::exists(folder_))
            break;
        std::this_thread::sleep_for(50ms);
    }
}

std::string TerminalRun::tmux(const std::vector<std::string>& arguments) const {
    std::vector<std::string> full{"tmux", "-S", socket_.string()};
    full.insert(full.end(), arguments.begin(), arguments.end());
    return runProgram(full, folder_ / "tmux-output.txt");
}

void TerminalRun::keys(const std::vector<std::string>& names) {
    std::vector<std::string> arguments{"send-keys", "-t", "e2e"};
    arguments.insert(arguments.end(), names.begin(), names.end());
    tmux(arguments);
}

void TerminalRun::type(std::string_view utf8) {
    tmux({"send-keys", "-t", "e2e", "-l", std::string(utf8)});
}

void TerminalRun::sendBytes(std::string_view bytes) {
    std::vector<std::string> arguments{"send-keys", "-t", "e2e", "-H"};
    for (const char byte : bytes)
        arguments.push_back(hexByte(static_cast<unsigned char>(byte)));
    tmux(arguments);
}

void TerminalRun::paste(std::string_view utf8) {
    tmux({"set-buffer", "-b", "e2e", "--", std::string(utf8)});
    tmux({"paste-buffer", "-p", "-r", "-b", "e2e", "-t", "e2e"});
}

void TerminalRun::mouse(bool press, int x, int y) {
    sendBytes("\x1b[<0;" + std::to_string(x + 1) + ";" + std::to_string(y + 1) +
              (press ? "M" : "m"));
}

void TerminalRun::click(int x, int y) {
    mouse(true, x, y);
    mouse(false, x, y);
}

void TerminalRun::resize(int width, int height) {
    tmux({"resize-window", "-t", "e2e", "-x", std::to_string(width), "-y", std::to_string(height)});
}

void TerminalRun::signal(int signalNumber) {
    if (::kill(programPid(), signalNumber) != 0)
        throw std::runtime_error("kill failed");
}

int TerminalRun::programPid() const {
    const auto pid = readFile(folder_ / "program.pid");
    if (!pid || pid->empty())
        throw std::runtime_error("the program has not started");
    return std::stoi(*pid);
}

std::uintmax_t TerminalRun::outputSize() const {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(folder_ / "typescript.txt", error);
    return error ? 0 : size;
}

std::vector<std::string> TerminalRun::screen() const {
    std::istringstream text(tmux({"capture-pane", "-p", "-t", "e2e"}));
    std::vector<std::string> rows;
    for (std::string row; std::getline(text, row);)
        rows.push_back(row);
    return rows;
}

std::string TerminalRun::screenText() const {
    std::string text;
    for (const std::string& row : screen())
        text += row + "\n";
    return text;
}

std::string TerminalRun::screenTextForReport() const {
    try {
        return screenText();
    } catch (const std::exception& error) {
        return std::string("(no screen: ") + error.what() + ")";
    }
}

std::string TerminalRun::screenWithAttributes() const {
    return tmux({"capture-pane", "-p", "-e", "-t", "e2e"});
}

TerminalRun::Cursor TerminalRun::cursor() const {
    std::istringstream values(
        tmux({"display-message", "-p", "-t", "e2e", "#{cursor_x} #{cursor_y} #{cursor_flag}"}));
    Cursor cursor;
    int visible = 0;
    values >> cursor.x >> cursor.y >> visible;
    cursor.visible = visible != 0;
    return cursor;
}

bool TerminalRun::waitUntil(const std::function<bool(const std::string&)>& condition,
                            std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition(screenText()))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
}

bool TerminalRun::waitForText(std::string_view text, std::chrono::milliseconds timeout) const {
    return waitUntil(
        [text](const std::string& screen) { return screen.find(text) != std::string::npos; },
        timeout);
}

bool TerminalRun::waitForTextGone(std::string_view text, std::chrono::milliseconds timeout) const {
    return waitUntil(
        [text](const std::string& screen) { return screen.find(text) == std::string::npos; },
        timeout);
}

std::string TerminalRun::settledScreen() const {
    std::string previous = screenText();
    for (int round = 0; round < 100; ++round) {
        std::this_thread::sleep_for(100ms);
        std::string now = screenText();
        if (now == previous)
            return now;
        previous = std::move(now);
    }
    return previous;
}

std::optional<Place> TerminalRun::find(std::string_view text) const {
    const std::vector<std::string> rows = screen();
    for (std::size_t y = 0; y < rows.size(); ++y)
        if (const std::size_t at = rows[y].find(text); at != std::string::npos)
            return Place{columnOf(rows[y], at), static_cast<int>(y)};
    return std::nullopt;
}

std::optional<Place> TerminalRun::findOnRow(std::string_view text, int row) const {
    const std::vector<std::string> rows = screen();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return std::nullopt;
    const std::string& line = rows[static_cast<std::size_t>(row)];
    const std::size_t at = line.find(text);
    if (at == std::string::npos)
        return std::nullopt;
    return Place{columnOf(line, at), row};
}

std::string TerminalRun::paneModes() const {
    return trimmedRight(tmux(
        {"display-message", "-p", "-t", "e2e",
         "alternate=#{alternate_on} "
         "mouse=#{mouse_any_flag}#{mouse_standard_flag}#{mouse_button_flag}"
         "#{mouse_all_flag}#{mouse_sgr_flag} cursor=#{cursor_flag} keypad=#{keypad_cursor_flag}"}));
}

std::optional<Ending> TerminalRun::waitForEnd(std::chrono::milliseconds timeout) const {
    if (!waitForText("--- ended ---", timeout))
        return std::nullopt;
    Ending ending;
    ending.exitCode = std::stoi(readFile(folder_ / "exit-code.txt").value_or("-1"));
    ending.sttyBefore = readFile(folder_ / "stty-before.txt").value_or("");
    ending.sttyAfter = readFile(folder_ / "stty-after.txt").value_or("");
    ending.output = readFile(folder_ / "typescript.txt").value_or("");
    ending.paneModes = paneModes();
    return ending;
}

}  // namespace navisift_e2e
