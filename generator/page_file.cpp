#include "generator/page_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace generator {
namespace {

namespace fs = std::filesystem;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Where the page's bytes go, and how.
struct PagePlace {
    fs::path file;          // the page, or the file its links lead to
    bool streamed = false;  // not a regular file: written straight through
    bool exists = false;    // a regular file is there already
    mode_t mode = 0;        // and these are its permission bits
    uid_t owner = 0;        // and its owner and group
    gid_t group = 0;
};

// As many links as the kernel itself follows for one path.
constexpr int maximumLinks = 40;

// A link in /proc names an open file of a process (/dev/stdout leads to /proc/self/fd/1): what
// it leads to is written through, never replaced.
bool isProcessLink(const fs::path& link) {
    struct statfs fileSystem {};
    return ::statfs(folderOf(link).c_str(), &fileSystem) == 0 &&
           fileSystem.f_type == PROC_SUPER_MAGIC;
}

PagePlace findPlace(const fs::path& file) {
    fs::path current = file;
    for (int link = 0; link < maximumLinks; ++link) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            // Not there: a new page, whose creation tells why it cannot be made, if it cannot.
            return {.file = current};
        }
        if (S_ISREG(status.st_mode)) {
            return {.file = current,
                    .exists = true,
                    .mode = status.st_mode & 07777,
                    .owner = status.st_uid,
                    .group = status.st_gid};
        }
        if (!S_ISLNK(status.st_mode) || isProcessLink(current)) {
            return {.file = file, .streamed = true};
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error) {
            return {.file = file, .streamed = true};
        }
        current = target.is_absolute() ? target : folderOf(current) / target;
    }
    return {.file = file, .streamed = true};  // a loop of links: opening it gives the cause
}

// Creates a file of its own beside `page`, hidden by a leading dot, with the usual permissions
// for a new file (0666 less the umask). Returns the descriptor, or -1 with errno set.
int createBeside(const fs::path& page, fs::path& created) {
    const std::string stem = "." + page.filename().string() + "." + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = folderOf(page) / (stem + "-" + std::to_string(attempt) + ".new");
        const int descriptor =
            ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

}  // namespace

PageFile::PageFile(const fs::path& file) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    const PagePlace place = findPlace(file);
    page_ = place.file;
    streamed_ = place.streamed;
    if (streamed_) {
        // Appending, so that an output the shell opened for appending keeps what it held.
        descriptor_ = ::open(page_.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (descriptor_ < 0) {
            openError_ = lastError();
        }
        return;
    }
    hadPreviousPage_ = place.exists;
    // A page the user may not write stays as it is, though its folder would take a new one.
    if (place.exists && ::faccessat(AT_FDCWD, page_.c_str(), W_OK, AT_EACCESS) != 0) {
        openError_ = lastError();
        return;
    }
    descriptor_ = createBeside(page_, newFile_);
    if (descriptor_ < 0) {
        openError_ = lastError();
        newFile_.clear();
        return;
    }
    // The previous page's owner and group as far as this user may give them (root may, others
    // keep their own), then its permission bits, which a change of owner may have cleared.
    if (place.exists && ::fchown(descriptor_, place.owner, place.group) != 0) {
        [[maybe_unused]] const int groupOnly =
            ::fchown(descriptor_, static_cast<uid_t>(-1), place.group);
    }
    if (place.exists && ::fchmod(descriptor_, place.mode) != 0) {
        openError_ = lastError();
        ::close(descriptor_);
        descriptor_ = -1;
        removeNewFile();
    }
}

PageFile::~PageFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    removeNewFile();
}

std::error_code PageFile::close() {
    if (descriptor_ < 0) {
        return writeError_;
    }
    writeBuffered();
    // On disk before it takes the previous page's place: a crash just after the rename must not
    // leave an empty page where a whole one stood.
    if (!newFile_.empty() && !writeError_ && ::fsync(descriptor_) != 0) {
        writeError_ = lastError();
    }
    if (::close(descriptor_) != 0 && !writeError_) {
        writeError_ = lastError();
    }
    descriptor_ = -1;
    if (newFile_.empty()) {
        return writeError_;
    }
    if (!writeError_ && ::rename(newFile_.c_str(), page_.c_str()) != 0) {
        writeError_ = lastError();
    }
    if (writeError_) {
        removeNewFile();
    } else {
        newFile_.clear();
    }
    return writeError_;
}

PageLeftBehind PageFile::leftBehind() const {
    if (streamed_) {
        return PageLeftBehind::partialOutput;
    }
    return hadPreviousPage_ ? PageLeftBehind::previousPage : PageLeftBehind::nothing;
}

void PageFile::removeNewFile() {
    if (!newFile_.empty()) {
        ::unlink(newFile_.c_str());
        newFile_.clear();
    }
}

PageFile::int_type PageFile::overflow(int_type c) {
    if (!writeBuffered()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int PageFile::sync() {
    return writeBuffered() ? 0 : -1;
}

bool PageFile::writeBuffered() {
    const char* next = pbase();
    while (next < pptr() && !writeError_) {
        if (descriptor_ < 0) {
            writeError_ =
                openError_ ? openError_ : std::make_error_code(std::errc::bad_file_descriptor);
            break;
        }
        const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0) {
            if (errno != EINTR) {
                writeError_ = {errno, std::generic_category()};
            }
            continue;
        }
        next += written;
    }
    // After an error the rest is dropped: the page is incomplete whatever follows.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return !writeError_;
}

}  // namespace generator
