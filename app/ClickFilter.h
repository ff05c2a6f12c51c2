#pragma once
#include <optional>

#include "platform/WindowEvents.h"

namespace torvane {

// Mechanics double-click buttons as they do desktop icons: the second click
// of a double click on the button that has just started its application is
// not a second start. Clicks further apart in time or place, and presses from
// the keyboard, always count.
class ClickFilter {
public:
    // Whether the click on button `index` is to start its application.
    bool Admits(int index, const Click& click);

private:
    struct Launching {
        int index;
        Click click;
    };
    std::optional<Launching> last_;  // the mouse click that last started one
};

}  // namespace torvane
