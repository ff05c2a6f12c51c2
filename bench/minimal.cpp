// The yardsticks for start-up time. Plain, a program that only opens one
// window. Built with TORVANE_BENCH_FLOOR, the floor: the same window with
// what the panel's window must have, a menu bar and 21 child windows in a
// frame, and nothing else; what it costs over the plain one no start-up work
// can win back.
#include <windows.h>

namespace {

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
    RegisterClassW(&windowClass);
#ifdef TORVANE_BENCH_FLOOR
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 1, L"Item");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Menu");
#else
    HMENU bar = nullptr;
#endif
    HWND hwnd = CreateWindowW(L"TorvaneBenchMinimal", L"Minimal", WS_OVERLAPPEDWINDOW, 100, 100, 600, 400, nullptr,
                              bar, instance, nullptr);
#ifdef TORVANE_BENCH_FLOOR
    HWND frame = CreateWindowW(L"TorvaneBenchMinimal", L"", WS_CHILD | WS_VISIBLE, 8, 8, 580, 340, hwnd, nullptr,
                               instance, nullptr);
    for (int i = 0; i < 21; ++i) {
        CreateWindowW(L"TorvaneBenchMinimal", L"Child", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8 + (i % 7) * 80,
                      8 + (i / 7) * 100, 72, 92, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)),
                      instance, nullptr);
    }
#endif
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
