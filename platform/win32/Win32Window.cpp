#include "platform/win32/Win32Window.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <cmath>

#include "app/Design.h"
#include "platform/win32/LateBound.h"
#include "platform/win32/PictureButton.h"

namespace torvane::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"TorvaneFrmTorvane";
constexpr wchar_t kFrameClass[] = L"TorvaneFraBase";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;
constexpr int kIconResourceBase = 100;

UINT DpiOf(HWND hwnd) {
    // GetDpiForWindow exists from Windows 10 1607 on; older systems have one DPI.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (hwnd != nullptr && getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

HFONT CourierNew(int tenthsOfPoint, UINT dpi) {
    return CreateFontW(-MulDiv(tenthsOfPoint, static_cast<int>(dpi), 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, design::kFontFace);
}

void RegisterClasses(HINSTANCE instance, WNDPROC mainProc, WNDPROC frameProc) {
    WNDCLASSEXW main{};
    main.cbSize = sizeof(main);
    main.style = CS_DBLCLKS;
    main.lpfnWndProc = mainProc;
    main.hInstance = instance;
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kMainClass;
    RegisterClassExW(&main);

    WNDCLASSEXW frame = main;
    frame.lpfnWndProc = frameProc;
    frame.hIcon = nullptr;
    frame.lpszClassName = kFrameClass;
    RegisterClassExW(&frame);
    RegisterPictureButton(instance);
}

// The visual style of push buttons, where one is in force.
struct Theme {
    decltype(&IsAppThemed) isAppThemed = LateBound<decltype(&IsAppThemed)>(L"uxtheme.dll", "IsAppThemed");
    decltype(&OpenThemeData) open = LateBound<decltype(&OpenThemeData)>(L"uxtheme.dll", "OpenThemeData");
    decltype(&DrawThemeBackground) drawBackground =
        LateBound<decltype(&DrawThemeBackground)>(L"uxtheme.dll", "DrawThemeBackground");
    decltype(&CloseThemeData) close = LateBound<decltype(&CloseThemeData)>(L"uxtheme.dll", "CloseThemeData");

    HTHEME Open(HWND hwnd) const {
        if (!isAppThemed || !open || !drawBackground || !close || !isAppThemed()) return nullptr;
        return open(hwnd, L"BUTTON");
    }
};

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, const std::wstring& contactAddress) : instance_(instance) {
    RegisterClasses(instance, MainProc, FrameProc);
    CreateControls(contactAddress);
}

Win32Window::~Win32Window() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    } else {
        DestroyMenu(bar_);
    }
}

// Only the menu exists until the window is first shown: start-up records the
// title, places and sizes, and the window is then made once, where it belongs.
void Win32Window::CreateControls(const std::wstring& contactAddress) {
    bar_ = CreateMenu();
    popup_ = CreatePopupMenu();
    for (const design::MenuEntry& entry : design::OptionsMenu(contactAddress)) {
        if (entry.id == 0) {
            AppendMenuW(popup_, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(popup_, MF_STRING, static_cast<UINT_PTR>(entry.id), entry.caption.c_str());
        }
    }
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), design::kMenuTitle);
    title_ = design::kTitle;
    dpi_ = DpiOf(nullptr);

    // The designed client area at its designed place, as an outer rectangle.
    RECT outer{Px(design::kClientLeft), Px(design::kClientTop), Px(design::kClientLeft + design::kClientSize.width),
               Px(design::kClientTop + design::kClientSize.height)};
    AdjustWindowRectEx(&outer, kMainStyle, TRUE, kMainExStyle);
    const double twipsPerPixel = 1440.0 / dpi_;
    left_ = outer.left * twipsPerPixel;
    top_ = outer.top * twipsPerPixel;
    outer_ = {static_cast<int>(std::lround((outer.right - outer.left) * twipsPerPixel)),
              static_cast<int>(std::lround((outer.bottom - outer.top) * twipsPerPixel))};

    frame_ = design::kFrame;
    // Buttons are made when first shown, at their place: those of missing
    // applications never are.
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const design::ButtonDesign look = design::Button(i);
        buttons_[static_cast<std::size_t>(i)].rect = look.rect;
        buttons_[static_cast<std::size_t>(i)].iconPixels = look.iconPixels;
    }
    LoadDpiResources();
}

void Win32Window::CreateMainWindow() {
    hwnd_ = CreateWindowExW(kMainExStyle, kMainClass, title_.c_str(), kMainStyle, Px(left_), Px(top_),
                            Px(outer_.width), Px(outer_.height), nullptr, bar_, instance_, this);
    // A screen of another DPI than the system's gets the window at its own.
    if (const UINT dpi = DpiOf(hwnd_); dpi != dpi_) {
        dpi_ = dpi;
        LoadDpiResources();
        ApplyWindowRect();
    }
    frameHwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 Px(frame_.left), Px(frame_.top), Px(frame_.width), Px(frame_.height), hwnd_,
                                 nullptr, instance_, this);
}

void Win32Window::LoadWindowIcon() {
    const int pixels = GetSystemMetrics(SM_CXICON);
    windowIcon_.reset(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_.get()));
}

// Tooltips only for the buttons that can be seen, once the window shows: the
// common controls need not slow down the start.
void Win32Window::AddTooltips() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    // Plain LoadLibrary, so that the manifest picks version 6.
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    const auto init = controls ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(
                                     GetProcAddress(controls, "InitCommonControlsEx")))
                               : nullptr;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    if (init == nullptr || !init(&classes)) return;
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const Button& button = buttons_[static_cast<std::size_t>(i)];
        const std::wstring tooltip = design::Button(i).tooltip;
        if (button.hwnd == nullptr || !button.visible || tooltip.empty()) continue;
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = frameHwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(button.hwnd);
        tool.lpszText = const_cast<wchar_t*>(tooltip.c_str());
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Fonts and pictures drawn at the window's current DPI.
void Win32Window::LoadDpiResources() {
    windowFont_.reset(CourierNew(design::kWindowFontTenthsOfPoint, dpi_));
    buttonFont_.reset(CourierNew(design::kButtonFontTenthsOfPoint, dpi_));
    for (Button& button : buttons_) button.icon.reset();  // loaded afresh at the new size when next drawn
}

int Win32Window::Px(double twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }

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
    if (hwnd_ == nullptr) {
        CreateMainWindow();
    } else {
        ApplyWindowRect();
        ApplyControl(frameHwnd_, frame_, true);
    }
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) ApplyButton(i);
}

void Win32Window::ApplyButton(int index) {
    if (frameHwnd_ == nullptr) return;
    Button& button = buttons_.at(index);
    if (button.hwnd != nullptr) {
        ApplyControl(button.hwnd, button.rect, button.visible);
        return;
    }
    if (!button.visible) return;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (button.enabled ? 0 : WS_DISABLED);
    button.hwnd = CreateWindowExW(0, kPictureButtonClass, design::Button(index).caption.c_str(), style,
                                  Px(button.rect.left), Px(button.rect.top), Px(button.rect.width),
                                  Px(button.rect.height), frameHwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(design::kFirstButtonId + index)),
                                  instance_, nullptr);
}

void Win32Window::Show() {
    LayOut();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    // What is not needed to show the window comes after it.
    LoadWindowIcon();
    AddTooltips();
    for (const Button& button : buttons_) {
        if (button.hwnd != nullptr && button.visible && button.enabled) {
            SetFocus(button.hwnd);
            break;
        }
    }
}

int Win32Window::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);
}

// Standard dialog navigation: Tab and Shift+Tab move between the buttons,
// Space and Enter press the focused one.
void Win32Window::Dispatch(MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        const HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == frameHwnd_) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            return;
        }
    }
    if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Window::PumpEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

std::wstring Win32Window::Title() {
    if (hwnd_ == nullptr) return title_;
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, title.data(), static_cast<int>(title.size()))));
    return title;
}

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
    const double twipsPerPixel = 1440.0 / dpi_;
    return {static_cast<int>(std::lround(GetSystemMetrics(SM_CXSCREEN) * twipsPerPixel)),
            static_cast<int>(std::lround(GetSystemMetrics(SM_CYSCREEN) * twipsPerPixel))};
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

bool Win32Window::Checked(CheckItem item) {
    const UINT id = item == CheckItem::Avvio ? design::kMenuAvvio : design::kMenuAdmin;
    return (GetMenuState(popup_, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Window::SetChecked(CheckItem item, bool checked) {
    const UINT id = item == CheckItem::Avvio ? design::kMenuAvvio : design::kMenuAdmin;
    CheckMenuItem(popup_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

Answer Win32Window::ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) {
    UINT flags = MB_OK;
    switch (style) {
        case BoxStyle::Information: flags = MB_OK | MB_ICONINFORMATION; break;
        case BoxStyle::Question: flags = MB_YESNO | MB_ICONQUESTION; break;
        case BoxStyle::Exclamation: flags = MB_OK | MB_ICONEXCLAMATION; break;
        case BoxStyle::Critical: flags = MB_OK | MB_ICONHAND; break;
    }
    switch (::MessageBoxW(hwnd_, prompt.c_str(), title.c_str(), flags)) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        default: return Answer::Ok;
    }
}

void Win32Window::Beep() { MessageBeep(MB_OK); }

void Win32Window::SetPointer(Pointer pointer) {
    busy_ = pointer == Pointer::Busy;
    // A window not yet shown takes its pointer from WM_SETCURSOR once it is.
    if (IsWindowVisible(hwnd_)) SetCursor(LoadCursorW(nullptr, busy_ ? IDC_WAIT : IDC_ARROW));
}

void Win32Window::Close() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void Win32Window::EndProgram() { ExitProcess(0); }

void Win32Window::DrawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - design::kFirstButtonId;
    if (index < 0 || index >= static_cast<int>(buttons_.size())) return;
    Button& button = buttons_[static_cast<std::size_t>(index)];
    // Pictures are loaded when first drawn: hidden buttons never need theirs.
    if (!button.icon && button.iconPixels > 0) {
        const int pixels = MulDiv(button.iconPixels, static_cast<int>(dpi_), 96);
        button.icon.reset(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResourceBase + index),
                                                        IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
    }
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT face = item.rcItem;
    const HDC dc = item.hDC;

    static const Theme theme;
    if (HTHEME data = theme.Open(item.hwndItem)) {
        const int state = disabled ? PBS_DISABLED : pushed ? PBS_PRESSED : PBS_NORMAL;
        theme.drawBackground(data, dc, BP_PUSHBUTTON, state, &face, nullptr);
        theme.close(data);
    } else {
        DrawFrameControl(dc, &face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    }

    // The picture centred in the upper part, the caption centred below it.
    const int margin = MulDiv(6, static_cast<int>(dpi_), 96);
    const int shift = pushed ? 1 : 0;
    int captionTop = face.top + margin;
    if (button.icon) {
        const int pixels = MulDiv(button.iconPixels, static_cast<int>(dpi_), 96);
        DrawIconEx(dc, face.left + (face.right - face.left - pixels) / 2 + shift, face.top + margin + shift,
                   button.icon.get(), pixels, pixels, 0, nullptr, DI_NORMAL);
        captionTop += pixels + margin / 2;
    }
    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, static_cast<int>(std::size(caption)));
    RECT text{face.left + shift, captionTop + shift, face.right + shift, face.bottom - margin + shift};
    const HGDIOBJ oldFont = SelectObject(dc, buttonFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption, length, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -margin / 2, -margin / 2);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK Win32Window::MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self != nullptr ? self->OnMainMessage(message, wParam, lParam)
                           : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(windowFont_.get());
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            left_ = suggested->left * 1440.0 / dpi_;
            top_ = suggested->top * 1440.0 / dpi_;
            LoadDpiResources();
            LayOut();
            InvalidateRect(hwnd_, nullptr, TRUE);
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
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(frameHwnd_, &paint);
            RECT edge;
            GetClientRect(frameHwnd_, &edge);
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            EndPaint(frameHwnd_, &paint);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (events_ != nullptr) events_->FrameDoubleClicked();
            return 0;
        case WM_COMMAND: {
            const int index = LOWORD(wParam) - design::kFirstButtonId;
            if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(buttons_.size()) &&
                events_ != nullptr) {
                events_->ButtonClicked(index);
            }
            return 0;
        }
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return DefWindowProcW(frameHwnd_, message, wParam, lParam);
    }
}

}  // namespace torvane::win32
