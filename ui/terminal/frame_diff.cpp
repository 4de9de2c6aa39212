#include "ui/terminal/frame_diff.h"

namespace ui::terminal {

std::vector<CellRun> changedRuns(const Canvas& shown, const Canvas& next) {
    const Size size = next.size();
    std::vector<CellRun> runs;
    if (shown.size() != size) {
        for (int y = 0; y < size.height; ++y)
            runs.push_back({{0, y}, size.width});
        return runs;
    }
    for (int y = 0; y < size.height; ++y) {
        int x = 0;
        while (x < size.width) {
            if (shown.at({x, y}) == next.at({x, y})) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < size.width && !(shown.at({x, y}) == next.at({x, y})))
                ++x;
            runs.push_back({{start, y}, x - start});
        }
    }
    return runs;
}

}  // namespace ui::terminal
