#pragma once

#include <array>
#include <filesystem>
#include <streambuf>
#include <system_error>

namespace generator {

// The detection page on disk, as a stream buffer: bytes go out as written (no line-end
// translation), nothing is locked, and the first error the operating system reports is kept, so
// that a page cut short by a full disk is noticed.
class PageFile : public std::streambuf {
  public:
    // Creates the file, or empties an existing one. `openError()` tells whether that worked.
    explicit PageFile(const std::filesystem::path& file);
    ~PageFile() override;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    std::error_code openError() const { return openError_; }

    // Writes out what is buffered and closes the file; returns the first write or close error.
    std::error_code close();

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool writeBuffered();

    int descriptor_ = -1;
    std::error_code openError_;
    std::error_code writeError_;
    std::array<char, 4096> buffer_{};
};

}  // namespace generator
