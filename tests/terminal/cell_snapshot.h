#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

// A drawn frame as a plain-text file that a person can read and a diff can
// show: the characters of every cell, then a key per cell for its colours and
// style, with the legend of the keys, then the caret. Rows are framed by '|'
// so that trailing blanks stay visible.

namespace snapshot {

std::string format(const ui::Frame& frame, std::string_view title);

// The cells where two snapshots differ, one line each ("row 3, column 7:
// characters 'a' and 'b'"); empty when they agree cell for cell. A snapshot
// that cannot be read is one difference.
std::vector<std::string> differences(const std::string& expected, const std::string& actual);

}  // namespace snapshot
