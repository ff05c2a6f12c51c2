// The main window's and the frame's messages, and the message loop.
#include "platform/win32/Dpi.h"
#include "platform/win32/Errors.h"
#include "platform/win32/PictureButton.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/WindowClasses.h"

namespace torvane::win32 {
namespace {

// The object behind a window, stored when the window is made.
Win32Window* Owner(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

Outcome Win32Window::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW main{};
    main.cbSize = sizeof(main);
    main.style = CS_DBLCLKS;
    main.hInstance = instance;
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    WNDCLASSEXW frame = main;
    main.lpfnWndProc = MainProc;
    main.lpszClassName = kMainClass;
    frame.lpfnWndProc = FrameProc;
    frame.lpszClassName = kFrameClass;
    if (!RegisterClassExW(&main) || !RegisterClassExW(&frame) || !PictureButton::Register(instance)) {
        return Win32Failure(GetLastError());
    }
    return std::nullopt;
}

LRESULT CALLBACK Win32Window::MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Window* self = Owner(hwnd, message, lParam);
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE) self->hwnd_ = hwnd;  // messages come before CreateWindowExW returns
    return self->OnMainMessage(message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Window* self = Owner(hwnd, message, lParam);
    if (self == nullptr || self->frameHwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->OnFrameMessage(message, wParam, lParam);
}

LRESULT Win32Window::OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0 && events_ != nullptr) events_->MenuChosen(LOWORD(wParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            if (events_ != nullptr) events_->BackgroundDoubleClicked();
            return 0;
        case WM_ACTIVATE:
            // As dialog boxes do: the button that had the keyboard focus when
            // another window came forward (a box, a prompt, Alt+Tab) gets it
            // back, so that Enter and Space work at once.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus)) focusedButton_ = focus;
            } else if (focusedButton_ != nullptr && IsWindowVisible(focusedButton_) &&
                       IsWindowEnabled(focusedButton_) && !HIWORD(wParam)) {
                SetFocus(focusedButton_);
                return 0;
            }
            break;
        case kTakesClicksQuery:
            // While an elevated copy runs, the window is disabled instead.
            return takesClicks_ && IsWindowEnabled(hwnd_);
        case WM_CLOSE:
            if (events_ != nullptr) events_->CloseRequested();
            DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && events_ != nullptr) events_->CloseRequested();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SETCURSOR:
            // The classes have no cursor: the arrow is loaded when the mouse
            // first comes over the window, not while it starts.
            if (busy_ || LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, busy_ ? IDC_WAIT : IDC_ARROW));
                return TRUE;
            }
            break;
        case WM_SETTINGCHANGE:
            if (wParam != SPI_SETHIGHCONTRAST) break;
            [[fallthrough]];
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE:
            // High contrast switched on or off comes as all three.
            PictureButton::StyleChanged();
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(windowFont_.get());
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            left_ = Twips(suggested->left, dpi_);
            top_ = Twips(suggested->top, dpi_);
            LoadDpiResources();
            LayOut();
            // Every control is drawn afresh: grown buttons must not keep the
            // old, smaller faces and pictures.
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Win32Window::OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint(frameHwnd_);
            RECT edge;
            GetClientRect(frameHwnd_, &edge);
            DrawEdge(paint.get(), &edge, EDGE_ETCHED, BF_RECT);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (events_ != nullptr) events_->FrameDoubleClicked();
            return 0;
        case WM_NOTIFY: {
            // The tooltips notify the frame too.
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code != kButtonPressed) break;
            const int index = static_cast<int>(header.idFrom) - kFirstButtonId;
            if (index >= 0 && index < static_cast<int>(buttons_.size()) && events_ != nullptr) {
                events_->ButtonClicked(index, reinterpret_cast<const PressNotice*>(lParam)->click);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(frameHwnd_, message, wParam, lParam);
}

int Win32Window::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32Window::Dispatch(MSG& message) {
    if (PressFocusedButton(message)) return;
    GetReadyForAClick(message);
    // Standard dialog navigation: Tab and Shift+Tab move between the buttons,
    // Space presses the focused one.
    if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Enter presses the focused button, as in a dialog box, once however long it
// is held.
bool Win32Window::PressFocusedButton(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
    const HWND focus = GetFocus();
    if (focus == nullptr || GetParent(focus) != frameHwnd_) return false;
    if (!Repeated(message.lParam)) SendMessageW(focus, BM_CLICK, 0, 0);
    return true;
}

// The pointer over a button is the first sign of a click to come: the
// tooltips are made and the shell made ready then.
void Win32Window::GetReadyForAClick(const MSG& message) {
    if (message.message != WM_MOUSEMOVE || tooltipsAdded_ || frameHwnd_ == nullptr ||
        GetParent(message.hwnd) != frameHwnd_) {
        return;
    }
    AddTooltips();
    PrepareShell();
}

void Win32Window::PumpEvents() {
    // Before the window is made no message can be waiting for this thread,
    // and each empty look is a round trip to the system (under Wine it also
    // gives the processor away).
    if (hwnd_ == nullptr) return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

}  // namespace torvane::win32
