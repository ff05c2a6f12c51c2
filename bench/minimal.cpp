// The yardsticks for start-up time. Plain, a program that only opens one
// window. Built with TORVANE_BENCH_FLOOR, the floor: the panel's window with
// what it must show and nothing else, made the plain way: the same menu bar,
// the frame, a picture button for every application, the panel's own button
// class with its painting, at the panel's size; the window's icon, the same
// manifest; no start-up work.
// What it costs over the plain one no start-up work can win back.
#include <windows.h>

#ifdef TORVANE_BENCH_FLOOR
#include <string>
#include <vector>

#include "catalogue/Arrangement.h"
#include "catalogue/Catalogue.h"
#include "platform/win32/PictureButton.h"
#include "platform/win32/WindowClasses.h"
#endif

namespace {

#ifdef TORVANE_BENCH_FLOOR
const std::wstring kPressAction = L"Premi";

int dpi = 96;
int Px(int twips) { return MulDiv(twips, dpi, 1440); }

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        RECT edge;
        GetClientRect(hwnd, &edge);
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
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
    torvane::win32::PictureButton::Register(instance);

    const HDC screen = GetDC(nullptr);
    dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const HFONT font = CreateFontW(-MulDiv(105, dpi, 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                   L"Courier New");

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

    // Placed as the panel with every application installed.
    constexpr int kButtons = torvane::kEntryCount;
    const torvane::arrangement::Layout layout =
        torvane::arrangement::Arrange(std::vector<bool>(kButtons, true), kButtons, {});
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"TorvaneBenchMinimal", L"Torvane 0.3.0 - by Quennavo",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 100, 100,
                                Px(layout.window.width), Px(layout.window.height), nullptr, bar, instance, nullptr);
    HWND frame = CreateWindowExW(WS_EX_CONTROLPARENT, L"TorvaneBenchFrame", L"",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, Px(layout.frame->left),
                                 Px(layout.frame->top), Px(layout.frame->width), Px(layout.frame->height), hwnd,
                                 nullptr, instance, nullptr);
    HWND first = nullptr;
    for (int i = 0; i < kButtons; ++i) {
        const torvane::Rect slot = *layout.buttons[i];
        const RECT pixels{Px(slot.left), Px(slot.top), Px(slot.left) + Px(slot.width), Px(slot.top) + Px(slot.height)};
        const torvane::CatalogueEntry& entry = torvane::Catalogue()[i];
        using torvane::win32::PictureButton;
        HWND button = PictureButton::Create(frame, torvane::win32::kFirstButtonId + i, entry.caption, pixels,
                                            WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                            {torvane::win32::kIconResourceBase + i, entry.iconPixels, &kPressAction});
        PictureButton::Of(button)->SetScale(font, static_cast<UINT>(dpi));
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
