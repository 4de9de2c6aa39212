#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The program's few options. They are answered before the splash shows, while the application
// object is still being constructed, so they are read from the process itself rather than from
// main()'s parameters.

namespace app {

enum class StartRequest {
    runWizard,    // no arguments: the dialogs
    showHelp,     // --help or -h
    showVersion,  // --version or -V
    badArgument,  // anything else
};

struct ParsedArguments {
    StartRequest request = StartRequest::runWizard;
    std::string badArgument;  // the first one not understood, for badArgument
};

// `arguments` excludes the program path.
ParsedArguments parseArguments(std::span<const std::string> arguments);

// The running process's own command line, the program path first, exactly as it was started
// (a symlink's own name, not its target). Empty if the system does not tell.
std::vector<std::string> ownCommandLine();

// The program file's name without folder and extension: "/usr/bin/navisift" gives "navisift", a
// link named "wizard.bin" gives "wizard".
std::string applicationTitle(std::string_view programPath);

std::string usageText(std::string_view title);
std::string versionText(std::string_view title);

}  // namespace app
