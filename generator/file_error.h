#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace generator {

// Errors of the answers file that the operating system has no code for.
enum class FileErrc {
    sharingViolation = 1,  // another process holds the file open exclusively
    inUseByAnotherRun,     // another wizard run owns the folder's answers file
};

const std::error_category& fileErrorCategory();
std::error_code make_error_code(FileErrc error);

// A failed open, read, seek, write or delete of the answers file. It derives from the standard
// file-system error so that the dialog layer can show it without knowing the generator:
// `path1()` is the file and `code()` the operating system's error. `what()` also names the
// operation that failed ("cannot read").
class FileError : public std::filesystem::filesystem_error {
  public:
    FileError(std::string_view operation, const std::filesystem::path& file, std::error_code error);

    const std::filesystem::path& file() const { return path1(); }
    int osError() const { return code().value(); }
    std::string cause() const { return code().message(); }
};

}  // namespace generator

template <>
struct std::is_error_code_enum<generator::FileErrc> : std::true_type {};
