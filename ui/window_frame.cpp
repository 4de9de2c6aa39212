#include "ui/window_frame.h"

namespace ui {

Rect systemMenuBoxOf(Rect window, const FrameParts& parts) {
    if (!parts.caption || !parts.systemMenu)
        return {};
    return {window.x + 1, window.y, 1, 1};
}

Rect closeBoxOf(Rect window, const FrameParts& parts) {
    if (!parts.caption || !parts.systemMenu)
        return {};
    return {window.right() - 2, window.y, 1, 1};
}

Rect minimizeBoxOf(Rect window, const FrameParts& parts) {
    if (!parts.caption || !parts.minimizeBox)
        return {};
    return {window.right() - 4, window.y, 1, 1};
}

void paintWindowFrame(Canvas& canvas, Rect window, std::u32string_view caption,
                      const FrameParts& parts) {
    const Color face = palette::buttonFace;
    const Color edge = parts.threeD ? palette::buttonShadow : palette::windowText;
    const Color light = parts.threeD ? palette::white : palette::windowText;
    canvas.fill(window, Cell{U' ', palette::windowText, face});
    // Sides and bottom.
    for (int y = window.y + 1; y < window.bottom() - 1; ++y) {
        canvas.set({window.x, y}, Cell{U'│', light, face});
        canvas.set({window.right() - 1, y}, Cell{U'│', edge, face});
    }
    for (int x = window.x + 1; x < window.right() - 1; ++x)
        canvas.set({x, window.bottom() - 1}, Cell{U'─', edge, face});
    canvas.set({window.x, window.bottom() - 1}, Cell{U'└', light, face});
    canvas.set({window.right() - 1, window.bottom() - 1}, Cell{U'┘', edge, face});

    if (!parts.caption) {
        for (int x = window.x + 1; x < window.right() - 1; ++x)
            canvas.set({x, window.y}, Cell{U'─', light, face});
        canvas.set({window.x, window.y}, Cell{U'┌', light, face});
        canvas.set({window.right() - 1, window.y}, Cell{U'┐', edge, face});
        return;
    }
    const Color bar = parts.active ? palette::activeCaption : palette::buttonShadow;
    const Rect row{window.x, window.y, window.width, 1};
    canvas.fill(row, Cell{U' ', palette::captionText, bar});
    // The sides are lines through the middle of their cells: the bar ends there
    // too, its corner cells half face and half bar.
    canvas.set({window.x, window.y}, Cell{U'▌', face, bar});
    canvas.set({window.right() - 1, window.y}, Cell{U'▐', face, bar});
    const Rect menu = systemMenuBoxOf(window, parts);
    const Rect close = closeBoxOf(window, parts);
    const Rect minimize = minimizeBoxOf(window, parts);
    if (!menu.isEmpty())
        canvas.set(menu.origin(), Cell{U'≡', palette::windowText, face});
    if (!close.isEmpty())
        canvas.set(close.origin(), Cell{U'×', palette::windowText, face});
    if (!minimize.isEmpty())
        canvas.set(minimize.origin(), Cell{U'_', palette::windowText, face});
    const int left = window.x + 3;
    const int right = !minimize.isEmpty() ? minimize.x - 1
                      : !close.isEmpty()  ? close.x - 1
                                          : window.right() - 1;
    const Rect saved = canvas.clip();
    canvas.setClip(Rect{left, window.y, right - left, 1}.intersected(saved));
    canvas.text({left, window.y}, caption, palette::captionText, bar, CellStyle::bold);
    canvas.setClip(saved);
}

}  // namespace ui
