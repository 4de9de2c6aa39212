#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

#include "generator/answers.h"
#include "generator/page_file.h"
#include "generator/progress.h"

namespace generator {

enum class PageResult {
    written,
    creationFailed,  // the page could not be opened for writing; nothing on disk was changed
    writeFailed,     // a write failed part way (a full disk); see `PageFailure::leftBehind`
};

// Why a page was not written, and what stands at its path afterwards.
struct PageFailure {
    std::error_code cause;  // the operating system's error
    PageLeftBehind leftBehind = PageLeftBehind::nothing;
};

inline constexpr std::string_view detectionPageName = "nvoutput.htm";

// Writes the detection page for these answers: the comment block, the head, the script with
// `checkBrowser` and its browser test chain, and the body with its two links for visitors without
// scripting. Progress moves to 50 and 75 on the way. The page replaces an existing one only once
// it is complete, so a failure keeps the previous page (see `PageFile`).
PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file = detectionPageName);

// The same, also telling why when the result is a failure.
PageResult writeDetectionPage(const Answers& answers, const SetProgress& setProgress,
                              const std::filesystem::path& file, PageFailure& failure);

// The page's text alone, to any stream: what `writeDetectionPage` puts in the file.
void writeDetectionPageText(std::ostream& page, const Answers& answers,
                            const SetProgress& setProgress);

}  // namespace generator
