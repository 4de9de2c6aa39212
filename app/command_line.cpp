#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

#include "generator/version.h"

namespace app {

namespace {

struct Option {
    std::string_view longName;
    std::string_view shortName;
    StartRequest request;
};

constexpr std::array options{
    Option{"--help", "-h", StartRequest::showHelp},
    Option{"--version", "-V", StartRequest::showVersion},
};

}  // namespace

ParsedArguments parseArguments(std::span<const std::string> arguments) {
    // The first argument decides; the program takes nothing after an option.
    if (arguments.empty())
        return {};
    const std::string& first = arguments.front();
    const auto option = std::find_if(options.begin(), options.end(), [&](const Option& o) {
        return first == o.longName || first == o.shortName;
    });
    if (option == options.end())
        return {StartRequest::badArgument, first};
    if (arguments.size() > 1)
        return {StartRequest::badArgument, arguments[1]};
    return {option->request, {}};
}

std::vector<std::string> ownCommandLine() {
    // The kernel keeps the arguments as NUL-terminated strings, one after the other.
    // Read with C's stdio: a C++ file stream would set up the whole of the
    // standard library's locale before the splash shows, costing time and memory.
    std::string all;
    if (std::FILE* file = std::fopen("/proc/self/cmdline", "rb")) {
        std::array<char, 4096> buffer{};
        std::size_t read = 0;
        while ((read = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
            all.append(buffer.data(), read);
        std::fclose(file);
    }
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = std::min(all.find('\0', start), all.size());
        words.emplace_back(all, start, end - start);
        start = end + 1;
    }
    return words;
}

std::string applicationTitle(std::string_view programPath) {
    return std::filesystem::path(programPath).stem().string();
}

std::string usageText(std::string_view title) {
    const std::string name(title);
    return "Usage: " + name +
           " [--help | --version]\n"
           "\n"
           "Asks, one dialog at a time in this terminal, for your site's address, its base\n"
           "directory, the frame the page loads in and one page for each browser family, and\n"
           "writes nvoutput.htm into the working directory: a page whose script sends every\n"
           "visitor to the page named for the visitor's browser version.\n"
           "\n"
           "Keys: Tab and Shift+Tab move, Enter presses the default button, Space ticks a box,\n"
           "Alt with an underlined letter presses that button, Esc closes a dialog, F1 is help.\n"
           "The mouse works as well.\n"
           "\n"
           "Files in the working directory:\n"
           "  config.cfg     the version stamp, rewritten at every start\n"
           "  questions.txt  the answers given so far, one a line; removed once the page is saved\n"
           "  nvoutput.htm   the detection page\n"
           "\n"
           "Exit status: 0 normal end, 1 Quit or a page that cannot be written,\n"
           "2 no usable terminal or a wrong argument.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this text and exit\n"
           "  -V, --version  show the version and exit\n";
}

std::string versionText(std::string_view title) {
    return std::string(title) + ' ' + std::string(generator::productVersion) + '\n';
}

}  // namespace app
