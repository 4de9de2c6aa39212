#pragma once

#include <cstdint>

// The numbers by which dialogs, controls and commands talk to each other. They
// keep their traditional names and values, so a dialog reads like the resource
// script and the message tables it was designed with.

namespace ui {

using MessageId = unsigned;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

// Window messages.
inline constexpr MessageId WM_PAINT = 0x000F;
inline constexpr MessageId WM_ICONERASEBKGND = 0x0027;
inline constexpr MessageId WM_QUERYDRAGICON = 0x0037;
inline constexpr MessageId WM_NOTIFY = 0x004E;
inline constexpr MessageId WM_SETICON = 0x0080;
inline constexpr MessageId WM_COMMAND = 0x0111;
inline constexpr MessageId WM_SYSCOMMAND = 0x0112;
inline constexpr MessageId WM_LBUTTONUP = 0x0202;

// Control messages.
inline constexpr MessageId LB_ADDSTRING = 0x0180;  // lParam: a NUL-terminated Windows-1252 text
inline constexpr MessageId LB_GETCOUNT = 0x018B;
inline constexpr MessageId PBM_SETRANGE = 0x0401;  // lParam: low word low end, high word high end
inline constexpr MessageId PBM_SETPOS = 0x0402;    // wParam: the position
inline constexpr MessageId ACM_OPEN = 0x0464;      // lParam: the clip's resource number
inline constexpr MessageId ACM_PLAY = 0x0465;      // wParam: repeats (-1 forever); lParam: from, to
inline constexpr MessageId ACM_STOP = 0x0466;

// Results of LB_ADDSTRING that are not an index.
inline constexpr MessageResult LB_ERR = -1;
inline constexpr MessageResult LB_ERRSPACE = -2;

// Notification codes: of WM_COMMAND (in the high word of wParam) and of WM_NOTIFY.
inline constexpr int BN_CLICKED = 0;
inline constexpr int EN_MAXTEXT = 0x0501;
inline constexpr int LBN_ERRSPACE = -2;
inline constexpr int NM_OUTOFMEMORY = -1;

// Command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;
inline constexpr int ID_APP_EXIT = 57602;   // Quit
inline constexpr int ID_APP_ABOUT = 57664;  // About
inline constexpr int ID_HELP = 57670;       // Help, also F1

// Commands from this range that a dialog does not handle travel to its owner.
inline constexpr int firstRoutedCommand = 32768;
inline constexpr int lastRoutedCommand = 61439;
constexpr bool isRoutedCommand(int id) {
    return id >= firstRoutedCommand && id <= lastRoutedCommand;
}

// System commands (WM_SYSCOMMAND's wParam); compare after `id & 0xFFF0`.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;
inline constexpr unsigned systemCommandMask = 0xFFF0;

// WM_SETICON's wParam.
inline constexpr WParam ICON_SMALL = 0;
inline constexpr WParam ICON_BIG = 1;

// System metrics.
enum SystemMetric { SM_CXICON = 11, SM_CYICON = 12 };
int getSystemMetrics(SystemMetric metric);

// Packing of two 16-bit halves, as WM_COMMAND's wParam and PBM_SETRANGE's lParam carry them.
constexpr LParam makeLong(unsigned low, unsigned high) {
    return static_cast<LParam>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned lowWord(std::uintptr_t value) {
    return value & 0xFFFFu;
}
constexpr unsigned highWord(std::uintptr_t value) {
    return (value >> 16) & 0xFFFFu;
}

// What WM_NOTIFY's lParam points to.
struct NotifyHeader {
    int idFrom = 0;
    int code = 0;
};

}  // namespace ui
