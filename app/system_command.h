#pragma once

namespace app {

// The item that the main dialog appends to its system menu.
inline constexpr unsigned aboutSystemCommand = 16;

// The window system keeps the four low bits of a system command for itself, so every id from 16
// to 31 means the About item; 32 is another command.
constexpr bool isAboutSystemCommand(unsigned commandId) {
    return (commandId & 0xFFF0u) == aboutSystemCommand;
}

}  // namespace app
