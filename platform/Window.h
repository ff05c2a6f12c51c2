#pragma once
#include <string>

namespace torvane {

// Positions and sizes are in twips (1/1440 inch).
struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
};
struct Size {
    int width, height;
    bool operator==(const Size&) const = default;
};

enum class Pointer { Busy, Default };

// The window toolkit as the program sees frmTorvane, fraBase and
// cmdApplicazioni, plus the process-wide bits.
class Window {
public:
    virtual ~Window() = default;

    virtual std::wstring Title() = 0;
    virtual void SetTitle(const std::wstring& title) = 0;
    virtual Size OuterSize() = 0;
    virtual void SetOuterWidth(int width) = 0;
    virtual void SetOuterHeight(int height) = 0;
    virtual void SetPosition(double left, double top) = 0;
    virtual Size ScreenSize() = 0;
    virtual void SendToBottom() = 0;

    virtual Size FrameSize() = 0;
    virtual void MoveFrame(const Rect& rect) = 0;

    virtual bool ButtonEnabled(int index) = 0;
    virtual void SetButtonEnabled(int index, bool enabled) = 0;
    virtual void SetButtonVisible(int index, bool visible) = 0;
    virtual void MoveButton(int index, const Rect& rect) = 0;

    // The check mark of the menu command with this identifier.
    virtual bool Checked(int commandId) = 0;
    virtual void SetChecked(int commandId, bool checked) = 0;

    // Whether the panel takes button clicks now: not during a launch or an
    // option change. Screen readers are told that the buttons are unavailable.
    virtual void SetTakesClicks(bool takes) = 0;

    virtual void SetPointer(Pointer pointer) = 0;
    virtual void PumpEvents() = 0;
    // Asks the window to close, as its close box does.
    virtual void Close() = 0;
    // Ends the process at once.
    virtual void EndProgram() = 0;
};

}  // namespace torvane
