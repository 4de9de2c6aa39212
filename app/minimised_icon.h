#pragma once

#include "ui/geometry.h"

namespace app {

// Where the minimised main dialog draws its icon: centred in the client area. The arithmetic is
// signed and truncates toward zero, so an area narrower than the icon gives a small negative
// offset (client 20 wide, icon 32 wide: x = -5) rather than a clamped or floored one.
constexpr ui::Point minimisedIconPosition(ui::Size client, ui::Size icon) {
    return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}

}  // namespace app
