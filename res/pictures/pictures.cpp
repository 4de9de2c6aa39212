#include "res/pictures/pictures.h"

namespace res {

namespace embedded {
extern const unsigned char splash[];
extern const std::size_t splashSize;
extern const unsigned char icon[];
extern const std::size_t iconSize;
extern const unsigned char clip[];
extern const std::size_t clipSize;
}  // namespace embedded

namespace {

std::span<const std::byte> bytesOf(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const std::byte*>(data), size};
}

}  // namespace

std::span<const std::byte> bitmap(int number) {
    if (number != splashBitmap)
        return {};
    return bytesOf(embedded::splash, embedded::splashSize);
}

std::span<const std::byte> icon(int number) {
    if (number != programIcon)
        return {};
    return bytesOf(embedded::icon, embedded::iconSize);
}

std::span<const std::byte> clip(int number) {
    if (number != aboutClip)
        return {};
    return bytesOf(embedded::clip, embedded::clipSize);
}

}  // namespace res
