#pragma once

#include <string_view>

namespace generator {

// The product's version: stamped into config.cfg, shown in the About box, written into every
// detection page and printed by `navisift-page --version`.
inline constexpr std::string_view productVersion = "V1.0B7";

}  // namespace generator
