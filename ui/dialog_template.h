#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/dialog_units.h"

// Dialog templates as plain data: what a resource script says of a dialog and
// its controls. The templates of the program live in res/.

namespace ui {

using Style = std::uint32_t;

// Window styles.
inline constexpr Style WS_POPUP = 0x80000000;
inline constexpr Style WS_CHILD = 0x40000000;
inline constexpr Style WS_MINIMIZE = 0x20000000;
inline constexpr Style WS_VISIBLE = 0x10000000;
inline constexpr Style WS_DISABLED = 0x08000000;
inline constexpr Style WS_CAPTION = 0x00C00000;
inline constexpr Style WS_BORDER = 0x00800000;
inline constexpr Style WS_VSCROLL = 0x00200000;
inline constexpr Style WS_SYSMENU = 0x00080000;
inline constexpr Style WS_GROUP = 0x00020000;
inline constexpr Style WS_TABSTOP = 0x00010000;
inline constexpr Style WS_MINIMIZEBOX =
    0x00020000;  // on a dialog; on a control the bit is WS_GROUP
inline constexpr Style WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr Style DS_SYSMODAL = 0x0002;
inline constexpr Style DS_SETFONT = 0x0040;
inline constexpr Style DS_MODALFRAME = 0x0080;

// Button styles.
inline constexpr Style BS_PUSHBUTTON = 0x0000;
inline constexpr Style BS_DEFPUSHBUTTON = 0x0001;
inline constexpr Style BS_AUTOCHECKBOX = 0x0003;
inline constexpr Style BS_GROUPBOX = 0x0007;

// Edit styles.
inline constexpr Style ES_LEFT = 0x0000;
inline constexpr Style ES_AUTOHSCROLL = 0x0080;

// Static styles.
inline constexpr Style SS_LEFT = 0x0000;
inline constexpr Style SS_CENTER = 0x0001;
inline constexpr Style SS_ICON = 0x0003;
inline constexpr Style SS_BITMAP = 0x000E;
inline constexpr Style SS_NOPREFIX = 0x0080;
inline constexpr Style SS_CENTERIMAGE = 0x0200;

// List box styles.
inline constexpr Style LBS_NOTIFY = 0x0001;
inline constexpr Style LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr Style LBS_NOSEL = 0x4000;

// Animation styles.
inline constexpr Style ACS_CENTER = 0x0001;
inline constexpr Style ACS_TRANSPARENT = 0x0002;
inline constexpr Style ACS_AUTOPLAY = 0x0004;

enum class ControlKind {
    pushButton,
    checkBox,
    edit,
    listBox,
    progressBar,
    groupBox,
    staticText,
    picture,    // a bitmap resource
    icon,       // an icon resource
    animation,  // a clip resource, opened by the dialog
};

struct ControlTemplate {
    ControlKind kind = ControlKind::staticText;
    int id = -1;
    std::string_view text;
    units::UnitRect rect;
    Style style = WS_CHILD | WS_VISIBLE;
    int resource = 0;  // the bitmap or icon a picture shows
};

struct DialogTemplate {
    int number = 0;
    std::string_view caption;
    units::UnitRect rect;
    Style style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    Style extendedStyle = 0;
    std::string_view fontName = "MS Sans Serif";
    int fontSize = 8;
    std::span<const ControlTemplate> controls;  // in tab order

    constexpr bool hasCaption() const { return (style & WS_CAPTION) == WS_CAPTION; }
    constexpr bool hasSystemMenu() const { return hasCaption() && (style & WS_SYSMENU) != 0; }
    constexpr bool hasMinimizeBox() const { return hasCaption() && (style & WS_MINIMIZEBOX) != 0; }
};

constexpr bool hasStyle(Style set, Style flags) {
    return (set & flags) == flags;
}

// Where a control of a template stands in its dialog's client area, in cells.
// Push buttons of one size look alike wherever they stand; every other
// control has its edges rounded, so that controls that touch in units touch in
// cells as well.
constexpr Rect cellsOf(const ControlTemplate& control) {
    return control.kind == ControlKind::pushButton ? units::toCellsOfOwnSize(control.rect)
                                                   : units::toCells(control.rect);
}

}  // namespace ui
