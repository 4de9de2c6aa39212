#include "generator/file_error.h"

namespace generator {
namespace {

class FileErrorCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "navisift file"; }

    std::string message(int error) const override {
        switch (static_cast<FileErrc>(error)) {
            case FileErrc::sharingViolation:
                return "Sharing violation: another process is using the file";
            case FileErrc::inUseByAnotherRun:
                return "It is in use by another run of the navisift wizard";
        }
        return "Unknown file error";
    }
};

}  // namespace

const std::error_category& fileErrorCategory() {
    static const FileErrorCategory category;
    return category;
}

std::error_code make_error_code(FileErrc error) {
    return {static_cast<int>(error), fileErrorCategory()};
}

FileError::FileError(std::string_view operation, const std::filesystem::path& file,
                     std::error_code error)
    : std::filesystem::filesystem_error(std::string(operation), file, error) {}

}  // namespace generator
