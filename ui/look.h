#pragma once

// How controls are drawn, for all dialogs at once.

namespace ui {

struct Look {
    bool threeD = false;  // raised buttons and shadowed frames; flat otherwise
};

Look& look();

}  // namespace ui
