#pragma once

#include <functional>

namespace generator {

// Moves the save dialog's progress bar to a position from 0 to 100. The page writer calls it while
// it writes; it returns once the bar shows the new position.
using SetProgress = std::function<void(int position)>;

}  // namespace generator
