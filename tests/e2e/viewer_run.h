#pragma once

#include <string>
#include <vector>

#include "tests/support/terminal_run.h"

// The dialog viewer in a real terminal, and what the tests read from it.

namespace navisift_e2e {

inline std::string viewerPath() {
    return NAVISIFT_BINARY_DIR "/bin/navisift-dialog-viewer";
}

inline std::vector<std::string> viewerCommand(int templateNumber,
                                              std::vector<std::string> options = {}) {
    std::vector<std::string> command{viewerPath()};
    command.insert(command.end(), options.begin(), options.end());
    command.push_back(std::to_string(templateNumber));
    return command;
}

// The lines the viewer printed once the terminal was given back.
std::vector<std::string> printedLines(const std::string& typescript);

}  // namespace navisift_e2e
