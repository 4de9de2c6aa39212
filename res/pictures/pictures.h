#pragma once

#include <cstddef>
#include <span>

// The pictures built into the program, by resource number: bitmap 215 (the
// splash), icon 128 and clip 202 (the About box's animation). An unknown number
// gives an empty span.

namespace res {

inline constexpr int splashBitmap = 215;
inline constexpr int programIcon = 128;
inline constexpr int aboutClip = 202;

std::span<const std::byte> bitmap(int number);
std::span<const std::byte> icon(int number);
std::span<const std::byte> clip(int number);

}  // namespace res
