#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace generator::testing {

// A file system of a few kilobytes (tmpfs) on an empty folder, for a disk that fills up part way
// through a write. It is mounted in a mount namespace of the test process's own, so that no one
// else sees it and it goes away with the process, however the test ends. Mounting needs the
// privilege to do so; without it `unavailable()` says why, and the test skips.
class SmallFileSystem {
  public:
    SmallFileSystem(const std::filesystem::path& folder, int kilobytes) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        if (!ownMountNamespace()) {
            unavailable_ = "cannot have a mount namespace of its own: " + errorText();
            return;
        }
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) !=
            0) {
            unavailable_ = "cannot mount a small tmpfs: " + errorText();
            return;
        }
        mounted_ = true;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    // Empty once mounted; otherwise why it is not.
    const std::string& unavailable() const { return unavailable_; }

  private:
    static std::string errorText() { return std::strerror(errno); }

    // Once per process: the mounts made afterwards stay inside it.
    static bool ownMountNamespace() {
        static const bool done = ::unshare(CLONE_NEWNS) == 0 &&
                                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return done;
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string unavailable_;
};

}  // namespace generator::testing
