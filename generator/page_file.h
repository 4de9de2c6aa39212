#pragma once

#include <array>
#include <filesystem>
#include <streambuf>
#include <system_error>

namespace generator {

// What stands at the page's path once a write has failed.
enum class PageLeftBehind {
    nothing,        // there was no page, and none was made
    previousPage,   // the page from before, byte for byte
    partialOutput,  // the start of the page went straight into a device, a FIFO or a pipe
};

// The detection page on disk, as a stream buffer: bytes go out as written (no line-end
// translation), nothing is locked, and the first error the operating system reports is kept, so
// that a page cut short by a full disk is noticed.
//
// A page that is a regular file, or not there yet, is written to a new file in the same folder,
// which takes the page's place only once every byte is written and closed; until then the
// previous page stays as it was, and a failure removes the new file and nothing else. The new
// page keeps the previous one's permissions, and its owner and group as far as the user may.
// When the page's path is a symbolic link, the file it leads to is the one replaced and the link
// stays. Anything else (a device, a FIFO, /dev/stdout) is written straight through and is never
// removed.
class PageFile : public std::streambuf {
  public:
    // Opens the page for writing. `openError()` tells whether that worked; nothing has been
    // changed on disk when it did not.
    explicit PageFile(const std::filesystem::path& file);
    // A page that was never closed is abandoned: the new file goes and the previous page stays.
    ~PageFile() override;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    std::error_code openError() const { return openError_; }

    // Writes out what is buffered, closes the file and puts the new page in place; returns the
    // first write, close or rename error.
    std::error_code close();

    // After a failed `close()`, what the failure left at the page's path.
    PageLeftBehind leftBehind() const;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool writeBuffered();
    void removeNewFile();

    std::filesystem::path page_;     // where the page ends up: the path, or where its links lead
    std::filesystem::path newFile_;  // the file being written beside it; empty when streaming
    bool streamed_ = false;
    bool hadPreviousPage_ = false;
    int descriptor_ = -1;
    std::error_code openError_;
    std::error_code writeError_;
    std::array<char, 4096> buffer_{};
};

}  // namespace generator
