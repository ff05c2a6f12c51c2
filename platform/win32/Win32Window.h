#pragma once
#include <windows.h>

#include <vector>

#include "platform/Failure.h"
#include "platform/Window.h"
#include "platform/WindowDesign.h"
#include "platform/WindowEvents.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

// frmTorvane on Win32: the window with its menu, the frame fraBase and the
// picture buttons. It keeps every place and size in twips and turns them into
// pixels at the window's current DPI, so that a move to a screen of another
// DPI lays the window out afresh. Until it is first shown, only the menu
// exists: start-up records the title, places and sizes, and the window is
// then made once, where it belongs.
class Win32Window : public Window {
public:
    // The classes of the main window, the frame and the picture button.
    static Outcome RegisterClasses(HINSTANCE instance);

    Win32Window(HINSTANCE instance, WindowDesign design);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    const HWND& Handle() const { return hwnd_; }
    void SetEvents(WindowEvents* events) { events_ = events; }
    Outcome Show();
    int RunMessageLoop();

    std::wstring Title() override;
    void SetTitle(const std::wstring& title) override;
    Size OuterSize() override { return outer_; }
    void SetOuterWidth(int width) override;
    void SetOuterHeight(int height) override;
    void SetPosition(double left, double top) override;
    Size ScreenSize() override;
    void SendToBottom() override;
    Size FrameSize() override { return {frame_.width, frame_.height}; }
    void MoveFrame(const Rect& rect) override;
    bool ButtonEnabled(int index) override;
    void SetButtonEnabled(int index, bool enabled) override;
    void SetButtonVisible(int index, bool visible) override;
    void MoveButton(int index, const Rect& rect) override;
    bool Checked(int commandId) override;
    void SetChecked(int commandId, bool checked) override;
    void SetTakesClicks(bool takes) override;
    void SetPointer(Pointer pointer) override;
    void PumpEvents() override;
    void Close() override;
    void EndProgram() override;

private:
    struct Button {
        HWND hwnd = nullptr;
        Rect rect{};
        bool visible = true;
        bool enabled = true;
    };

    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Outcome CreateWindows();
    void AddTooltips();
    void LoadDpiResources();
    void LayOut();
    void ApplyButton(int index);
    void ApplyWindowRect();
    void ApplyControl(HWND control, const Rect& rect, bool visible);
    void Dispatch(MSG& message);
    bool PressFocusedButton(const MSG& message);
    void GetReadyForAClick(const MSG& message);
    int Px(double twips) const;

    HINSTANCE instance_;
    WindowDesign design_;
    HWND hwnd_ = nullptr;
    HWND frameHwnd_ = nullptr;
    UniqueMenu bar_;  // until the window takes it
    HMENU popup_ = nullptr;
    WindowEvents* events_ = nullptr;
    UINT dpi_ = 96;
    Size outer_{};
    double left_ = 0, top_ = 0;  // outer position in twips
    std::wstring title_;         // kept here until the window exists
    Rect frame_{};
    std::vector<Button> buttons_;
    UniqueFont windowFont_, buttonFont_;
    UniqueIcon windowIcon_;
    HWND focusedButton_ = nullptr;  // kept while another window is active
    bool busy_ = false;
    bool takesClicks_ = true;
    bool tooltipsAdded_ = false;
};

}  // namespace torvane::win32
