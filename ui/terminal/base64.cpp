#include "ui/terminal/base64.h"

#include <algorithm>

namespace ui::terminal {

std::string base64(std::string_view bytes) {
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        // Three bytes make 24 bits, which make four characters of six bits.
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned long group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            encoded += k <= count ? alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return encoded;
}

}  // namespace ui::terminal
