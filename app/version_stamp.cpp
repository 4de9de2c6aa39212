#include "app/version_stamp.h"

#include <fstream>

#include "generator/version.h"

namespace app {

bool writeVersionStamp(const std::filesystem::path& file) {
    std::ofstream stamp(file, std::ios::binary | std::ios::trunc);
    stamp.write(generator::productVersion.data(),
                static_cast<std::streamsize>(generator::productVersion.size()));
    stamp.close();  // a full disk shows only when the buffer is flushed here
    return !stamp.fail();
}

}  // namespace app
