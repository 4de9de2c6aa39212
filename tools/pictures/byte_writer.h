#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Appends little-endian values to a buffer, and patches lengths in afterwards.

namespace pictures {

class ByteWriter {
  public:
    std::vector<std::byte>& bytes() { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

    void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::byte>(value & 0xFF)); }
    void u16(std::uint32_t value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value);
        u16(value >> 16);
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void fourcc(std::string_view code) {
        for (char c : code.substr(0, 4))
            u8(static_cast<unsigned char>(c));
    }
    void append(const std::vector<std::byte>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }
    void patchU32(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
    }

  private:
    std::vector<std::byte> bytes_;
};

}  // namespace pictures
