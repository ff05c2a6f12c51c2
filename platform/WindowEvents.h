#pragma once
#include <cstdint>

namespace torvane {

// How a button was pressed. A mouse click comes with when and where it
// happened (milliseconds of the system's clock, screen pixels) and with the
// system's double-click limits; a key or a program pressing it has none.
struct Click {
    bool byMouse = false;
    std::uint32_t time = 0;
    int x = 0, y = 0;
    std::uint32_t doubleClickTime = 0;
    int doubleClickWidth = 0, doubleClickHeight = 0;
};

// What the window toolkit reports to the program.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void CloseRequested() = 0;
    virtual void BackgroundDoubleClicked() = 0;
    virtual void FrameDoubleClicked() = 0;
    virtual void ButtonClicked(int index, const Click& click) = 0;
    virtual void MenuChosen(int id) = 0;
};

}  // namespace torvane
