#pragma once

namespace torvane {

// What the window toolkit reports to the program.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void CloseRequested() = 0;
    virtual void BackgroundDoubleClicked() = 0;
    virtual void FrameDoubleClicked() = 0;
    virtual void ButtonClicked(int index) = 0;
    virtual void MenuChosen(int id) = 0;
};

}  // namespace torvane
