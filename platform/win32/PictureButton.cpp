#include "platform/win32/PictureButton.h"

#include <windowsx.h>

#include "platform/win32/ButtonAccessible.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {
namespace {

// Kept in the window's extra bytes.
constexpr LONG_PTR kPressed = 1;   // drawn pushed in
constexpr LONG_PTR kTracking = 2;  // the mouse button went down on it

LONG_PTR State(HWND hwnd) { return GetWindowLongPtrW(hwnd, 0); }

// Whether the pointer is over the button, kept in the second extra slot: the
// visual style draws it lighter then.
constexpr int kHotSlot = sizeof(LONG_PTR);

bool Hot(HWND hwnd) { return GetWindowLongPtrW(hwnd, kHotSlot) != 0; }

void SetHot(HWND hwnd, bool hot) {
    if (Hot(hwnd) == hot) return;
    if (hot) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&leave);
    }
    SetWindowLongPtrW(hwnd, kHotSlot, hot);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void SetState(HWND hwnd, LONG_PTR state) {
    if (State(hwnd) == state) return;
    SetWindowLongPtrW(hwnd, 0, state);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Whether a mouse message's point lies on the button.
bool Inside(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, point);
}

void Clicked(HWND hwnd, WORD notification = BN_CLICKED) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), notification),
                 reinterpret_cast<LPARAM>(hwnd));
}

void Paint(HWND hwnd) {
    const PaintScope paint(hwnd);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ((State(hwnd) & kPressed) ? ODS_SELECTED : 0) | (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED) |
                     (GetFocus() == hwnd ? ODS_FOCUS : 0) | (Hot(hwnd) ? ODS_HOTLIGHT : 0);
    item.hwndItem = hwnd;
    item.hDC = paint.get();
    GetClientRect(hwnd, &item.rcItem);
    SendMessageW(GetParent(hwnd), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            SetCapture(hwnd);
            SetState(hwnd, kPressed | kTracking);
            return 0;
        case WM_MOUSEMOVE: {
            const bool inside = Inside(hwnd, lParam);
            SetHot(hwnd, inside);
            if (State(hwnd) & kTracking) SetState(hwnd, kTracking | (inside ? kPressed : 0));
            return 0;
        }
        case WM_LBUTTONUP: {
            const bool click = State(hwnd) == (kPressed | kTracking);
            SetState(hwnd, 0);
            ReleaseCapture();
            if (click) Clicked(hwnd, kMouseClicked);
            return 0;
        }
        case WM_MOUSELEAVE:
            SetHot(hwnd, false);
            return 0;
        case WM_GETOBJECT:
            return AnswerGetObject(hwnd, wParam, lParam);
        case WM_CAPTURECHANGED:
            if (State(hwnd) & kTracking) SetState(hwnd, 0);
            return 0;
        case WM_KEYDOWN:
            // A held key starts the application once, at once.
            if (wParam == VK_SPACE) {
                if (!Repeated(lParam)) {
                    SetState(hwnd, kPressed);
                    Clicked(hwnd);
                }
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                SetState(hwnd, 0);
                return 0;
            }
            break;
        case BM_CLICK:
            Clicked(hwnd);
            return 0;
        case WM_SETFOCUS:
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_KILLFOCUS:
            SetWindowLongPtrW(hwnd, 0, 0);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureButton(HINSTANCE instance) {
    WNDCLASSEXW button{};
    button.cbSize = sizeof(button);
    button.lpfnWndProc = ButtonProc;
    button.cbWndExtra = 2 * sizeof(LONG_PTR);
    button.hInstance = instance;
    button.lpszClassName = kPictureButtonClass;
    return RegisterClassExW(&button) != 0;
}

}  // namespace torvane::win32
