#pragma once

#include <string>
#include <string_view>

// Base64 of RFC 4648 with padding: how a terminal's clipboard sequence
// (OSC 52) carries its text.

namespace ui::terminal {

std::string base64(std::string_view bytes);

}  // namespace ui::terminal
