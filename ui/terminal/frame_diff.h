#pragma once

#include <vector>

#include "ui/canvas.h"

// What must be sent to the terminal to turn one frame into the next: the runs
// of cells that changed, row by row, left to right.

namespace ui::terminal {

struct CellRun {
    Point start;
    int length = 0;
    friend constexpr bool operator==(CellRun, CellRun) = default;
};

// The changed runs between what the terminal shows and the next canvas. When
// the sizes differ nothing shown can be trusted, so every row of the next
// canvas is one run.
std::vector<CellRun> changedRuns(const Canvas& shown, const Canvas& next);

}  // namespace ui::terminal
