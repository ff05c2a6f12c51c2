#pragma once
#include <optional>
#include <vector>

#include "platform/Window.h"

namespace torvane::arrangement {

inline constexpr int kButtonWidth = 2112;
inline constexpr int kButtonHeight = 1356;

// Slot s of the 6 by 4 grid, relative to the inside of the frame.
Rect Slot(int slot);

// Where everything goes once the installed applications are known.
struct Layout {
    std::vector<std::optional<Rect>> buttons;  // none: hidden, left where it is
    std::optional<Rect> frame;                 // none: the frame stays as it is
    Size window;                               // outer size
};

// The installed buttons packed into the grid in index order with the
// count's row breaks, the frame around them and the window around the frame.
// `frame` is the frame's size as it stands.
Layout Arrange(const std::vector<bool>& installed, int count, Size frame);

}  // namespace torvane::arrangement
