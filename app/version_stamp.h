#pragma once

#include <filesystem>

namespace app {

inline constexpr const char* versionStampFileName = "config.cfg";

// Writes the product version into `file`, creating it or emptying what it held, with no line end.
// Nothing reads the stamp, so the start routine goes on when this fails; the result says whether
// all six bytes reached the file.
bool writeVersionStamp(const std::filesystem::path& file = versionStampFileName);

}  // namespace app
