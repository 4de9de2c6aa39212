#include "app/program_start.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "ui/terminal/terminal_screen.h"

namespace app {

namespace {

enum ExitStatus {
    answered = 0,
    cannotStart = 2,  // no terminal, or an argument the program does not take
};

// This runs during static initialisation, so it writes through C's streams, which are ready
// before any constructor runs.
[[noreturn]] void endWith(ExitStatus status, std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    std::exit(status);
}

bool hasTerminal() {
    return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1;
}

}  // namespace

std::unique_ptr<ui::Screen> startTerminalScreen() {
    const std::vector<std::string> commandLine = ownCommandLine();
    const std::string title = applicationTitle(commandLine.empty() ? "navisift" : commandLine[0]);
    const std::span<const std::string> arguments =
        commandLine.empty() ? std::span<const std::string>{}
                            : std::span<const std::string>(commandLine).subspan(1);

    const ParsedArguments parsed = parseArguments(arguments);
    switch (parsed.request) {
        case StartRequest::showHelp:
            endWith(answered, stdout, usageText(title));
        case StartRequest::showVersion:
            endWith(answered, stdout, versionText(title));
        case StartRequest::badArgument:
            endWith(cannotStart, stderr,
                    title + ": unknown argument '" + parsed.badArgument + "' (try --help)\n");
        case StartRequest::runWizard:
            break;
    }
    if (!hasTerminal()) {
        endWith(cannotStart, stderr,
                title + ": standard input and output must be a terminal; nothing was done\n");
    }
    try {
        return std::make_unique<ui::terminal::TerminalScreen>();
    } catch (const std::exception& error) {
        endWith(cannotStart, stderr, title + ": cannot use the terminal: " + error.what() + "\n");
    }
}

}  // namespace app
