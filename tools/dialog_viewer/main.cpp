// navisift-dialog-viewer: shows one dialog of the system in the terminal, to
// be tried by hand and by the end-to-end tests.
//
//     navisift-dialog-viewer [--flat] [--generic] TEMPLATE
//
// TEMPLATE is one of 102 (main), 204 (splash), 129 to 138, 140, 141 and 217
// (questions), 142 (save), 152 (supported browsers) and 100 (About). The
// dialog is the system's own class, which works in the current folder as the
// program does (a question's Next writes the answers file and opens the next
// question). --generic shows the template alone instead: it binds the answer
// field and the check box, and notes each command it sees. --flat leaves the
// controls in the plain look instead of the three-dimensional one.
//
// When the dialog has ended, the terminal is given back and what happened is
// printed: the commands noted, each end code, the generic dialog's data. Quit
// ends at once with exit code 1, as it does in the program.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dialog_viewer/viewer_application.h"
#include "ui/terminal/terminal_screen.h"

namespace {

constexpr std::string_view usage =
    "usage: navisift-dialog-viewer [--flat] [--generic] TEMPLATE\n"
    "TEMPLATE: 102 204 129 130 131 132 133 134 135 136 137 138 140 141 217 142 152 100\n";

}  // namespace

int main(int argc, char** argv) {
    dialog_viewer::ViewerOptions options;
    std::optional<int> templateNumber;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--flat") {
            options.threeD = false;
        } else if (argument == "--generic") {
            options.generic = true;
        } else if (!templateNumber && !argument.empty() &&
                   argument.find_first_not_of("0123456789") == std::string_view::npos) {
            templateNumber = std::atoi(argv[i]);
        } else {
            std::fputs(usage.data(), stderr);
            return 2;
        }
    }
    if (!templateNumber || !dialog_viewer::isViewable(*templateNumber)) {
        std::fputs(usage.data(), stderr);
        return 2;
    }

    std::unique_ptr<ui::Screen> screen;
    try {
        screen = std::make_unique<ui::terminal::TerminalScreen>();
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "navisift-dialog-viewer: %s\n", error.what());
        return 2;
    }
    options.templateNumber = *templateNumber;
    dialog_viewer::ViewerApplication app(std::move(screen), options);
    app.setTitleFromProgramPath(argv[0]);
    const int exitCode = app.run();
    for (const std::string& line : app.log())
        std::printf("%s\n", line.c_str());
    return exitCode;
}
