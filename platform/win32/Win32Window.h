#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "platform/Window.h"
#include "platform/WindowEvents.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

// frmTorvane on Win32: the window with its menu, the frame fraBase and the 24
// picture buttons. It keeps every place and size in twips and turns them into
// pixels at the window's current DPI, so a move to a screen of another DPI
// lays the window out afresh.
class Win32Window : public Window {
public:
    Win32Window(HINSTANCE instance, const std::wstring& contactAddress);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    const HWND& Handle() const { return hwnd_; }
    void SetEvents(WindowEvents* events) { events_ = events; }
    void Show();
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
    bool Checked(CheckItem item) override;
    void SetChecked(CheckItem item, bool checked) override;
    Answer ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) override;
    void Beep() override;
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
        int iconPixels = 0;
        UniqueIcon icon;
    };

    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls(const std::wstring& contactAddress);
    void CreateMainWindow();
    void LoadDpiResources();
    void LoadWindowIcon();
    void AddTooltips();
    void LayOut();
    void ApplyButton(int index);
    void ApplyWindowRect();
    void ApplyControl(HWND control, const Rect& rect, bool visible);
    void DrawButton(const DRAWITEMSTRUCT& item);
    void Dispatch(MSG& message);
    int Px(double twips) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND frameHwnd_ = nullptr;
    HWND tooltips_ = nullptr;
    HMENU bar_ = nullptr;
    HMENU popup_ = nullptr;
    WindowEvents* events_ = nullptr;
    UINT dpi_ = 96;
    Size outer_{};
    double left_ = 0, top_ = 0;  // outer position in twips
    std::wstring title_;  // kept here until the window exists
    Rect frame_{};
    std::array<Button, 24> buttons_;
    UniqueFont windowFont_, buttonFont_;
    UniqueIcon windowIcon_;
    bool busy_ = false;
};

}  // namespace torvane::win32
