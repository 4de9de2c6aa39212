#pragma once

#include <initializer_list>
#include <ostream>
#include <string_view>

namespace generator {

// Every line of the detection page ends with CR LF, written as bytes: the page is a file for web
// servers and browsers of every system, and this one has no text mode to add the CR.
inline constexpr std::string_view pageLineEnd = "\r\n";

// Writes the pieces of one line and its line end, then flushes, so that the file on disk always
// ends with a complete line.
void writePageLine(std::ostream& page, std::initializer_list<std::string_view> pieces);

}  // namespace generator
