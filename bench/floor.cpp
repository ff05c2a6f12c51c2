// A second yardstick: the minimal program plus what the panel's window must
// have, a menu bar and 21 child windows in a frame, and nothing else. What it
// costs over the minimal program no layout or start-up work can win back.
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
    windowClass.lpszClassName = L"TorvaneBenchFloor";
    RegisterClassW(&windowClass);
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 1, L"Item");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"Menu");
    HWND hwnd = CreateWindowW(L"TorvaneBenchFloor", L"Floor", WS_OVERLAPPEDWINDOW, 100, 100, 600, 400, nullptr, bar,
                              instance, nullptr);
    HWND frame = CreateWindowW(L"TorvaneBenchFloor", L"", WS_CHILD | WS_VISIBLE, 8, 8, 580, 340, hwnd, nullptr,
                               instance, nullptr);
    for (int i = 0; i < 21; ++i) {
        CreateWindowW(L"TorvaneBenchFloor", L"Child", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8 + (i % 7) * 80,
                      8 + (i / 7) * 100, 72, 92, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)),
                      instance, nullptr);
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
