#include "generator/page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace generator {

PageFile::PageFile(const std::filesystem::path& file)
    : descriptor_(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {
    if (descriptor_ < 0) {
        openError_ = {errno, std::generic_category()};
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

PageFile::~PageFile() {
    close();
}

std::error_code PageFile::close() {
    if (descriptor_ >= 0) {
        writeBuffered();
        if (::close(descriptor_) != 0 && !writeError_) {
            writeError_ = {errno, std::generic_category()};
        }
        descriptor_ = -1;
    }
    return writeError_;
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
