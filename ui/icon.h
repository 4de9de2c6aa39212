#pragma once

// A handle of an icon resource. The toolkit passes icons around by their
// resource number; the picture source turns a number into pixels.

namespace ui {

struct Icon {
    int resource = 0;  // 0: no icon
    explicit constexpr operator bool() const { return resource != 0; }
    friend constexpr bool operator==(Icon, Icon) = default;
};

// The icon of a resource at the system's standard size (32 x 32).
constexpr Icon loadIcon(int resource) {
    return Icon{resource};
}

}  // namespace ui
