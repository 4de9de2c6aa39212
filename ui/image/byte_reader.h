#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Little-endian reads from a span that can never step outside it. Every read
// reports failure instead of reading past the end, so a reader of a damaged file
// only has to check what it gets.

namespace ui::image {

using Bytes = std::span<const std::byte>;

class ByteReader {
  public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    bool seek(std::size_t offset) {
        if (offset > bytes_.size())
            return false;
        position_ = offset;
        return true;
    }
    bool skip(std::size_t count) {
        if (count > remaining())
            return false;
        position_ += count;
        return true;
    }

    std::optional<std::uint8_t> u8() {
        if (remaining() < 1)
            return std::nullopt;
        return std::to_integer<std::uint8_t>(bytes_[position_++]);
    }
    std::optional<std::uint16_t> u16() { return little<std::uint16_t, 2>(); }
    std::optional<std::uint32_t> u32() { return little<std::uint32_t, 4>(); }
    std::optional<std::int16_t> i16() {
        const auto v = u16();
        if (!v)
            return std::nullopt;
        return static_cast<std::int16_t>(*v);
    }
    std::optional<std::int32_t> i32() {
        const auto v = u32();
        if (!v)
            return std::nullopt;
        return static_cast<std::int32_t>(*v);
    }

    // A four-character code such as "RIFF", compared without copying.
    std::optional<std::string_view> fourcc() {
        if (remaining() < 4)
            return std::nullopt;
        const auto* first = reinterpret_cast<const char*>(bytes_.data() + position_);
        position_ += 4;
        return std::string_view(first, 4);
    }

    // The next count bytes as a span of the same buffer.
    std::optional<Bytes> take(std::size_t count) {
        if (count > remaining())
            return std::nullopt;
        const Bytes part = bytes_.subspan(position_, count);
        position_ += count;
        return part;
    }

  private:
    template <typename T, int N>
    std::optional<T> little() {
        if (remaining() < N)
            return std::nullopt;
        T value = 0;
        for (int i = 0; i < N; ++i) {
            value |= static_cast<T>(std::to_integer<unsigned>(bytes_[position_ + i]) << (8 * i));
        }
        position_ += N;
        return value;
    }

    Bytes bytes_;
    std::size_t position_ = 0;
};

}  // namespace ui::image
