#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace fuzzing {

// A folder of the fuzz target's own for the files one input needs, in memory where the system
// offers it (/dev/shm), removed when the target ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string name = (base / "navisift-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) {
            std::abort();
        }
        folder_ = name;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return folder_ / name; }

  private:
    std::filesystem::path folder_;
};

}  // namespace fuzzing
