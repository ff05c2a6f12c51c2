#pragma once
#include <cstdint>
#include <vector>

#include "platform/Window.h"

namespace torvane::arrangement {

inline constexpr int kButtonWidth = 2112;
inline constexpr int kButtonHeight = 1356;
inline constexpr int kFrameLeft = 168;
inline constexpr int kFrameTop = 0;

// Slot s of the 6 by 4 grid, relative to the inside of the frame.
Rect Slot(int slot);

// Hides the buttons not installed, moves the others into the grid in index
// order with the count's row breaks, then sizes the frame and the window.
void ArrangeButtons(Window& window, const std::vector<bool>& installed, std::int16_t count);

}  // namespace torvane::arrangement
