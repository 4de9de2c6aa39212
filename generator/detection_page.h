#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

#include "generator/answers.h"
#include "generator/progress.h"

namespace generator {

enum class PageResult {
    written,
    creationFailed,  // the file could not be created or emptied; nothing was written
    writeFailed,     // a write failed part way (a full disk); the incomplete file was removed
};

inline constexpr std::string_view detectionPageName = "nvoutput.htm";

// Writes the detection page for these answers: the comment block, the head, the script with
// `checkBrowser` and its browser test chain, and the body with its two links for visitors without
// scripting. An existing file is emptied and rewritten. Progress moves to 50 and 75 on the way.
PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file = detectionPageName);

// The same, also giving the operating system's error when the result is a failure.
PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file, std::error_code& cause);

// The page's text alone, to any stream: what `writeDetectionPage` puts in the file.
void writeDetectionPageText(std::ostream& page, const Answers& answers,
                            const SetProgress& setProgress);

}  // namespace generator
