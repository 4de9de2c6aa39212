#include "app/version_stamp.h"

#include <cstdio>
#include <string_view>

#include "generator/version.h"

namespace app {

bool writeVersionStamp(const std::filesystem::path& file) {
    // C's stdio rather than a C++ file stream, which would set up the whole of
    // the standard library's locale for six bytes.
    std::FILE* stamp = std::fopen(file.c_str(), "wb");
    if (stamp == nullptr)
        return false;
    const std::string_view version = generator::productVersion;
    const bool written = std::fwrite(version.data(), 1, version.size(), stamp) == version.size();
    // A full disk shows only when the buffer is flushed here.
    return std::fclose(stamp) == 0 && written;
}

}  // namespace app
