#include "platform/win32/Win32Window.h"

#include <cmath>
#include <utility>

#include "platform/win32/Dpi.h"
#include "platform/win32/Errors.h"
#include "platform/win32/Menus.h"
#include "platform/win32/PictureButton.h"
#include "platform/win32/Tooltips.h"
#include "platform/win32/WindowClasses.h"
#include "platform/win32/WindowText.h"

namespace torvane::win32 {
namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, WindowDesign design)
    : instance_(instance), design_(std::move(design)), buttons_(design_.buttons.size()) {
    MenuBar menu = BuildMenuBar(design_);
    bar_ = std::move(menu.bar);
    popup_ = menu.popup;
    title_ = design_.title;
    frame_ = design_.frame;
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i].rect = design_.buttons[i].rect;
    // Start-up places the window on the primary screen: sizes and places are
    // worked out at that screen's DPI, and applied at it.
    dpi_ = PrimaryScreenDpi();

    // The designed client area at its designed place, as an outer rectangle.
    const Rect& client = design_.client;
    RECT outer{Px(client.left), Px(client.top), Px(client.left + client.width), Px(client.top + client.height)};
    AdjustWindowRectEx(&outer, kMainStyle, TRUE, kMainExStyle);
    left_ = Twips(outer.left, dpi_);
    top_ = Twips(outer.top, dpi_);
    outer_ = {static_cast<int>(std::lround(Twips(outer.right - outer.left, dpi_))),
              static_cast<int>(std::lround(Twips(outer.bottom - outer.top, dpi_)))};
    LoadDpiResources();
}

Win32Window::~Win32Window() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

Outcome Win32Window::CreateWindows() {
    const HWND hwnd = CreateWindowExW(kMainExStyle, kMainClass, title_.c_str(), kMainStyle, Px(left_), Px(top_),
                                      Px(outer_.width), Px(outer_.height), nullptr, bar_.get(), instance_, this);
    if (hwnd == nullptr) {
        hwnd_ = nullptr;
        return Win32Failure(GetLastError());
    }
    bar_.release();  // the window's now
    // Should the window still land on a screen of another DPI, it takes that
    // DPI's sizes and keeps its centre where start-up put it.
    if (const UINT dpi = DpiOf(hwnd_); dpi != dpi_) {
        const double centreX = Px(left_ + outer_.width / 2.0), centreY = Px(top_ + outer_.height / 2.0);
        dpi_ = dpi;
        left_ = Twips(static_cast<int>(centreX), dpi_) - outer_.width / 2.0;
        top_ = Twips(static_cast<int>(centreY), dpi_) - outer_.height / 2.0;
        LoadDpiResources();
        ApplyWindowRect();
    }
    frameHwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 Px(frame_.left), Px(frame_.top), Px(frame_.width), Px(frame_.height), hwnd_,
                                 nullptr, instance_, this);
    if (frameHwnd_ == nullptr) return Win32Failure(GetLastError());
    return std::nullopt;
}

// Fonts at the window's current DPI; pictures and the visual style are loaded
// afresh for it when next drawn.
void Win32Window::LoadDpiResources() {
    windowFont_.reset(CreateFixedFont(design_.fontFace, design_.windowFontTenthsOfPoint, dpi_));
    buttonFont_.reset(CreateFixedFont(design_.fontFace, design_.buttonFontTenthsOfPoint, dpi_));
    PictureButton::StyleChanged();
    for (const Button& button : buttons_) {
        if (PictureButton* made = PictureButton::Of(button.hwnd)) made->SetScale(buttonFont_.get(), dpi_);
    }
}

int Win32Window::Px(double twips) const { return win32::Px(twips, dpi_); }

void Win32Window::ApplyWindowRect() {
    if (hwnd_ == nullptr) return;
    SetWindowPos(hwnd_, nullptr, Px(left_), Px(top_), Px(outer_.width), Px(outer_.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::ApplyControl(HWND control, const Rect& rect, bool visible) {
    if (control == nullptr) return;
    SetWindowPos(control, nullptr, Px(rect.left), Px(rect.top), Px(rect.width), Px(rect.height),
                 SWP_NOZORDER | SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// Until the window is first shown, places and sizes are only recorded; then
// the whole window is laid out in one pass.
void Win32Window::LayOut() {
    ApplyWindowRect();
    ApplyControl(frameHwnd_, frame_, true);
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) ApplyButton(i);
}

// Buttons are made when first shown, at their place: those of missing
// applications never are.
void Win32Window::ApplyButton(int index) {
    if (frameHwnd_ == nullptr) return;
    Button& button = buttons_.at(index);
    if (button.hwnd != nullptr) {
        ApplyControl(button.hwnd, button.rect, button.visible);
        return;
    }
    if (!button.visible) return;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (button.enabled ? 0 : WS_DISABLED);
    const ButtonLook& look = design_.buttons[index];
    const int left = Px(button.rect.left), top = Px(button.rect.top);
    const RECT pixels{left, top, left + Px(button.rect.width), top + Px(button.rect.height)};
    button.hwnd = PictureButton::Create(frameHwnd_, kFirstButtonId + index, look.caption, pixels, style,
                                        {kIconResourceBase + index, look.iconPixels, &design_.pressAction});
    if (PictureButton* made = PictureButton::Of(button.hwnd)) made->SetScale(buttonFont_.get(), dpi_);
}

Outcome Win32Window::Show() {
    if (hwnd_ == nullptr) {
        // Window and frame are made where they belong: only the buttons are
        // still to be made.
        if (Outcome failed = CreateWindows()) return failed;
        for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) ApplyButton(i);
    } else {
        LayOut();
    }
    // Icon and focus before the window shows, so that its first paint is its
    // only one: set afterwards, they would have the caption and a button
    // drawn twice.
    const int pixels = GetSystemMetrics(SM_CXICON);
    windowIcon_.reset(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_.get()));
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    // Showing activates the window, which takes the focus for itself.
    for (const Button& button : buttons_) {
        if (button.hwnd != nullptr && button.visible && button.enabled) {
            SetFocus(button.hwnd);
            break;
        }
    }
    UpdateWindow(hwnd_);
    return std::nullopt;
}

// Tooltips are made when the pointer first moves over a button, the earliest
// one can be wanted: made at start-up, loading the common controls for them
// held up the first paint by about 10 ms.
void Win32Window::AddTooltips() {
    tooltipsAdded_ = true;
    std::vector<Tip> tips;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Button& button = buttons_[i];
        if (button.hwnd != nullptr && button.visible && !design_.buttons[i].tooltip.empty()) {
            tips.push_back({button.hwnd, design_.buttons[i].tooltip});
        }
    }
    CreateTooltips(instance_, hwnd_, frameHwnd_, tips);
}

std::wstring Win32Window::Title() { return hwnd_ != nullptr ? WindowText(hwnd_) : title_; }

void Win32Window::SetTitle(const std::wstring& title) {
    title_ = title;
    if (hwnd_ != nullptr) SetWindowTextW(hwnd_, title.c_str());
}

void Win32Window::SetOuterWidth(int width) {
    outer_.width = width;
    ApplyWindowRect();
}

void Win32Window::SetOuterHeight(int height) {
    outer_.height = height;
    ApplyWindowRect();
}

void Win32Window::SetPosition(double left, double top) {
    left_ = left;
    top_ = top;
    ApplyWindowRect();
}

Size Win32Window::ScreenSize() {
    return {static_cast<int>(std::lround(Twips(GetSystemMetrics(SM_CXSCREEN), dpi_))),
            static_cast<int>(std::lround(Twips(GetSystemMetrics(SM_CYSCREEN), dpi_)))};
}

void Win32Window::SendToBottom() { SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE); }

void Win32Window::MoveFrame(const Rect& rect) {
    frame_ = rect;
    ApplyControl(frameHwnd_, frame_, true);
}

bool Win32Window::ButtonEnabled(int index) { return buttons_.at(index).enabled; }

void Win32Window::SetButtonEnabled(int index, bool enabled) {
    Button& button = buttons_.at(index);
    button.enabled = enabled;
    if (button.hwnd != nullptr) EnableWindow(button.hwnd, enabled);
}

void Win32Window::SetButtonVisible(int index, bool visible) {
    buttons_.at(index).visible = visible;
    ApplyButton(index);
}

void Win32Window::MoveButton(int index, const Rect& rect) {
    buttons_.at(index).rect = rect;
    ApplyButton(index);
}

bool Win32Window::Checked(int commandId) {
    return (GetMenuState(popup_, static_cast<UINT>(commandId), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Window::SetChecked(int commandId, bool checked) {
    CheckMenuItem(popup_, static_cast<UINT>(commandId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Screen readers hear of the change on the button they are at, as when a
// standard button is disabled or enabled.
void Win32Window::SetTakesClicks(bool takes) {
    if (takesClicks_ == takes) return;
    takesClicks_ = takes;
    for (const Button& button : buttons_) {
        if (button.hwnd != nullptr) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, button.hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

void Win32Window::SetPointer(Pointer pointer) {
    busy_ = pointer == Pointer::Busy;
    // A window not yet shown takes its pointer from WM_SETCURSOR once it is.
    if (IsWindowVisible(hwnd_)) SetCursor(LoadCursorW(nullptr, busy_ ? IDC_WAIT : IDC_ARROW));
}

void Win32Window::Close() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void Win32Window::EndProgram() { ExitProcess(0); }

}  // namespace torvane::win32
