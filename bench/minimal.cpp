// The yardsticks for start-up time. Plain, a program that only opens one
// window. Built with TORVANE_BENCH_FLOOR, the floor: the panel's window with
// what it must show and nothing else, made the plain way: the same menu bar,
// the frame, the 21 picture buttons at the panel's size with their pictures
// and their captions broken onto the lines they need, in the visual style
// (none in high-contrast mode), the window's icon, the same manifest; no
// start-up work.
// What it costs over the plain one no start-up work can win back.
#include <windows.h>

#ifdef TORVANE_BENCH_FLOOR
#include <uxtheme.h>
#include <vssym32.h>

#include "catalogue/Arrangement.h"
#include "catalogue/Catalogue.h"
#include "platform/Caption.h"
#include "platform/win32/PictureButton.h"

#include <algorithm>
#include <string>
#include <vector>
#endif

namespace {

#ifdef TORVANE_BENCH_FLOOR
constexpr int kButtons = 21;
constexpr int kFirstId = 1000;

struct Floor {
    int dpi = 96;
    HTHEME theme = nullptr;
    HFONT font = nullptr;
    HICON icons[kButtons]{};
} floor;

int Px(int twips) { return MulDiv(twips, floor.dpi, 1440); }
int IconPixels(int index) { return MulDiv(torvane::Catalogue()[index].iconPixels, floor.dpi, 96); }

void DrawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstId;
    RECT face = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    if (floor.theme != nullptr) {
        DrawThemeBackground(floor.theme, item.hDC, BP_PUSHBUTTON, pushed ? PBS_PRESSED : PBS_NORMAL, &face, nullptr);
    } else {
        DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }
    const HGDIOBJ old = SelectObject(item.hDC, floor.font);
    const int margin = MulDiv(6, floor.dpi, 96);
    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, 128);
    const std::vector<std::wstring> lines = torvane::BreakCaption(
        std::wstring_view(caption, static_cast<std::size_t>(length)), face.right - face.left - 2 * margin,
        [&](std::wstring_view text) {
            SIZE size{};
            GetTextExtentPoint32W(item.hDC, text.data(), static_cast<int>(text.size()), &size);
            return static_cast<int>(size.cx);
        });
    TEXTMETRICW metrics{};
    GetTextMetricsW(item.hDC, &metrics);
    const int pixels = IconPixels(index);
    const int content = pixels + margin / 2 + static_cast<int>(lines.size() * metrics.tmHeight);
    LONG top = face.top + margin;
    if (top + content > face.bottom - margin) {
        top = face.top + std::max<LONG>(0, (face.bottom - face.top - content) / 2);
    }
    DrawIconEx(item.hDC, face.left + (face.right - face.left - pixels) / 2, top, floor.icons[index], pixels, pixels, 0,
               nullptr, DI_NORMAL);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text{face.left + margin, top + pixels + margin / 2, face.right - margin, 0};
    for (const std::wstring& line : lines) {
        text.bottom = text.top + metrics.tmHeight;
        DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &text,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        text.top = text.bottom;
    }
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -margin / 2, -margin / 2);
        DrawFocusRect(item.hDC, &face);
    }
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
            SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0);
            if (!(contrast.dwFlags & HCF_HIGHCONTRASTON)) floor.theme = OpenThemeData(hwnd, L"BUTTON");
            return 0;
        }
        case WM_DESTROY:
            CloseThemeData(floor.theme);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd, &paint);
            RECT edge;
            GetClientRect(hwnd, &edge);
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
#endif

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TorvaneBenchMinimal";
#ifndef TORVANE_BENCH_FLOOR
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowW(L"TorvaneBenchMinimal", L"Minimal", WS_OVERLAPPEDWINDOW, 100, 100, 600, 400, nullptr,
                              nullptr, instance, nullptr);
#else
    windowClass.style = CS_DBLCLKS;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    windowClass.lpfnWndProc = FrameProc;
    windowClass.lpszClassName = L"TorvaneBenchFrame";
    RegisterClassW(&windowClass);
    torvane::win32::RegisterPictureButton(instance);

    const HDC screen = GetDC(nullptr);
    floor.dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    floor.font = CreateFontW(-MulDiv(105, floor.dpi, 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                             L"Courier New");
    for (int i = 0; i < kButtons; ++i) {
        floor.icons[i] = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(100 + i), IMAGE_ICON,
                                                       IconPixels(i), IconPixels(i), LR_DEFAULTCOLOR));
    }

    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 101, L"Avvio automatico");
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, 102, L"Esegui come amministratore");
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, 103, L"Scrivi a \"torvane@example.com\"");
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING, 104, L"Esci");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Opzioni");

    // Placed as the panel with all 21 applications.
    const torvane::arrangement::Layout layout =
        torvane::arrangement::Arrange(std::vector<bool>(kButtons, true), kButtons, {});
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"TorvaneBenchMinimal", L"Torvane 0.3.0 - by Quennavo",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 100, 100,
                                Px(layout.window.width), Px(layout.window.height), nullptr, bar, instance, nullptr);
    HWND frame = CreateWindowExW(WS_EX_CONTROLPARENT, L"TorvaneBenchFrame", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 Px(layout.frame->left), Px(layout.frame->top), Px(layout.frame->width),
                                 Px(layout.frame->height), hwnd, nullptr, instance, nullptr);
    HWND first = nullptr;
    for (int i = 0; i < kButtons; ++i) {
        const torvane::Rect slot = *layout.buttons[i];
        HWND button = CreateWindowExW(0, torvane::win32::kPictureButtonClass, torvane::Catalogue()[i].caption,
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP, Px(slot.left), Px(slot.top),
                                      Px(slot.width), Px(slot.height), frame,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance, nullptr);
        if (first == nullptr) first = button;
    }
    // The window's own icon, which the caption and the taskbar show.
    const int iconPixels = GetSystemMetrics(SM_CXICON);
    SendMessageW(hwnd, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, iconPixels,
                                                     iconPixels, LR_DEFAULTCOLOR)));
#endif
    ShowWindow(hwnd, SW_SHOWNORMAL);
#ifdef TORVANE_BENCH_FLOOR
    SetFocus(first);
#endif
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
