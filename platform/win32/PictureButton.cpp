#include "platform/win32/PictureButton.h"

#include <windowsx.h>

#include <new>

#include "platform/win32/ButtonAccessible.h"
#include "platform/win32/ButtonFace.h"
#include "platform/win32/WindowText.h"

namespace torvane::win32 {
namespace {

ATOM buttonClass = 0;

// Every button is drawn in one visual style.
ButtonTheme& Theme() {
    static ButtonTheme theme;
    return theme;
}

// The mouse click being handled: when and where its button went up, with the
// system's double-click limits.
Click MouseClick() {
    const DWORD position = GetMessagePos();
    return {true,
            static_cast<std::uint32_t>(GetMessageTime()),
            GET_X_LPARAM(position),
            GET_Y_LPARAM(position),
            GetDoubleClickTime(),
            GetSystemMetrics(SM_CXDOUBLECLK),
            GetSystemMetrics(SM_CYDOUBLECLK)};
}

}  // namespace

bool PictureButton::Register(HINSTANCE instance) {
    WNDCLASSEXW button{};
    button.cbSize = sizeof(button);
    button.lpfnWndProc = Proc;
    button.hInstance = instance;
    button.lpszClassName = kPictureButtonClass;
    buttonClass = RegisterClassExW(&button);
    return buttonClass != 0;
}

HWND PictureButton::Create(HWND parent, int id, const std::wstring& caption, const RECT& pixels, DWORD style,
                           const ButtonContent& content) {
    return CreateWindowExW(0, kPictureButtonClass, caption.c_str(), style, pixels.left, pixels.top,
                           pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           const_cast<ButtonContent*>(&content));
}

PictureButton* PictureButton::Of(HWND hwnd) {
    if (hwnd == nullptr || GetClassWord(hwnd, GCW_ATOM) != buttonClass) return nullptr;
    return reinterpret_cast<PictureButton*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void PictureButton::StyleChanged() { Theme().Close(); }

void PictureButton::SetScale(HFONT font, UINT dpi) {
    font_ = font;
    dpi_ = dpi;
    picture_.reset();
}

std::wstring PictureButton::Caption() const { return WindowText(hwnd_); }

LRESULT CALLBACK PictureButton::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto& creation = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* made = new (std::nothrow)
            PictureButton(hwnd, creation.hInstance, *static_cast<const ButtonContent*>(creation.lpCreateParams));
        if (made == nullptr) return FALSE;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    PictureButton* self = Of(hwnd);
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT PictureButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd_);
            SetCapture(hwnd_);
            tracking_ = true;
            SetPushed(true);
            return 0;
        case WM_MOUSEMOVE: {
            const bool inside = Inside(lParam);
            SetHot(inside);
            if (tracking_) SetPushed(inside);
            return 0;
        }
        case WM_LBUTTONUP: {
            const bool click = tracking_ && pushed_;
            tracking_ = false;
            SetPushed(false);
            ReleaseCapture();
            if (click) Press(MouseClick());
            return 0;
        }
        case WM_MOUSELEAVE:
            SetHot(false);
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(hwnd_, wParam, lParam);
        case WM_CAPTURECHANGED:
            if (tracking_) {
                tracking_ = false;
                SetPushed(false);
            }
            return 0;
        case WM_KEYDOWN:
            // A held key starts the application once, at once.
            if (wParam == VK_SPACE) {
                if (!Repeated(lParam)) {
                    tracking_ = false;
                    SetPushed(true);
                    Press({});
                }
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                tracking_ = false;
                SetPushed(false);
                return 0;
            }
            break;
        case BM_CLICK:
            Press({});
            return 0;
        case WM_SETFOCUS:
        case WM_ENABLE:
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_KILLFOCUS:
            tracking_ = false;
            pushed_ = false;
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PictureButton::SetPushed(bool pushed) {
    if (pushed_ == pushed) return;
    pushed_ = pushed;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void PictureButton::SetHot(bool hot) {
    if (hot_ == hot) return;
    if (hot) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&leave);
    }
    hot_ = hot;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// Whether a mouse message's point lies on the button.
bool PictureButton::Inside(LPARAM point) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return PtInRect(&client, {GET_X_LPARAM(point), GET_Y_LPARAM(point)});
}

void PictureButton::Press(const Click& click) {
    PressNotice notice{{hwnd_, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_)), kButtonPressed}, click};
    SendMessageW(GetParent(hwnd_), WM_NOTIFY, notice.header.idFrom, reinterpret_cast<LPARAM>(&notice));
}

void PictureButton::Paint() {
    const PaintScope paint(hwnd_);
    const int pixels = MulDiv(content_.picturePixels, static_cast<int>(dpi_), 96);
    if (!picture_ && pixels > 0) {
        picture_.reset(static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(content_.pictureResource), IMAGE_ICON,
                                                     pixels, pixels, LR_DEFAULTCOLOR)));
    }
    RECT face;
    GetClientRect(hwnd_, &face);
    const FaceState state{pushed_, !IsWindowEnabled(hwnd_), GetFocus() == hwnd_, hot_};
    DrawButtonFace(hwnd_, paint.get(), face, Caption(), state, {picture_.get(), pixels, font_, dpi_, Theme()});
}

}  // namespace torvane::win32
