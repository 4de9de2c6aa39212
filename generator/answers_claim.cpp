#include "generator/answers_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "generator/file_error.h"

namespace generator {
namespace {

namespace fs = std::filesystem;

using FolderId = std::pair<dev_t, ino_t>;

// The folders whose answers file a run of this process owns. A lock on a folder keeps out every
// other opener of the folder, this process's own included, so the process's own run is known here.
std::vector<FolderId>& claimedHere() {
    static std::vector<FolderId> folders;
    return folders;
}

// A `refuseIfOwnedByAnotherRun` of another process holds its probe of the lock for an instant;
// a claim waits that long before it takes the folder for owned.
constexpr int claimAttempts = 5;
constexpr std::chrono::milliseconds betweenAttempts{20};

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The folder an answers file belongs to: the one holding the file its links lead to. Nothing for
// a file under another name, which no run owns.
std::optional<fs::path> answersFolderOf(const fs::path& file) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(file, error);
    if (error) {
        resolved = file;
    }
    if (resolved.filename() != answersFileName) {
        return std::nullopt;
    }
    return folderOf(resolved);
}

int openFolder(const fs::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

std::optional<FolderId> idOf(int folder) {
    struct stat status {};
    if (::fstat(folder, &status) != 0) {
        return std::nullopt;
    }
    return FolderId{status.st_dev, status.st_ino};
}

bool lockWithoutWaiting(int folder, int kind) {
    for (int attempt = 1;; ++attempt) {
        if (::flock(folder, kind | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK || attempt == claimAttempts) {
            return false;
        }
        std::this_thread::sleep_for(betweenAttempts);
    }
}

}  // namespace

AnswersFileClaim::AnswersFileClaim(const fs::path& file) {
    constexpr std::string_view operation = "cannot create";
    folder_ = openFolder(folderOf(file));
    if (folder_ < 0) {
        throw FileError(operation, file, {errno, std::generic_category()});
    }
    const std::optional<FolderId> id = idOf(folder_);
    if (!id || !lockWithoutWaiting(folder_, LOCK_EX)) {
        const std::error_code cause = errno == EWOULDBLOCK
                                          ? make_error_code(FileErrc::inUseByAnotherRun)
                                          : std::error_code{errno, std::generic_category()};
        ::close(folder_);
        throw FileError(operation, file, cause);
    }
    device_ = id->first;
    inode_ = id->second;
    claimedHere().push_back(*id);
}

AnswersFileClaim::~AnswersFileClaim() {
    std::vector<FolderId>& folders = claimedHere();
    const auto mine = std::ranges::find(folders, FolderId{device_, inode_});
    if (mine != folders.end()) {
        folders.erase(mine);
    }
    ::close(folder_);  // and with it the lock
}

void refuseIfOwnedByAnotherRun(std::string_view operation, const fs::path& file) {
    const std::optional<fs::path> folderPath = answersFolderOf(file);
    if (!folderPath) {
        return;
    }
    const int folder = openFolder(*folderPath);
    if (folder < 0) {
        return;  // the operation itself meets the cause and reports it
    }
    const std::optional<FolderId> id = idOf(folder);
    const bool ownedHere = id && std::ranges::find(claimedHere(), *id) != claimedHere().end();
    const bool ownedElsewhere =
        !ownedHere && ::flock(folder, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(folder);
    if (ownedElsewhere) {
        throw FileError(operation, file, make_error_code(FileErrc::inUseByAnotherRun));
    }
}

}  // namespace generator
