// Loaded into the panel's process by the end-to-end driver: sends the panel's
// window the message that Windows sends when it moves to a screen of 144 DPI.
// It must come from inside the process: under Wine the message's rectangle is
// not carried across processes.
#include <windows.h>

namespace {

DWORD WINAPI Nudge(void*) {
    const HWND window = FindWindowW(L"TorvaneFrmTorvane", nullptr);
    RECT now;
    GetWindowRect(window, &now);
    RECT suggested{now.left, now.top, now.left + (now.right - now.left) * 3 / 2,
                   now.top + (now.bottom - now.top) * 3 / 2};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TorvaneDpiNudged");
    SetEvent(done);
    CloseHandle(done);
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    // Not from DllMain itself: the window's thread may need the loader lock.
    if (reason == DLL_PROCESS_ATTACH) CloseHandle(CreateThread(nullptr, 0, Nudge, nullptr, 0, nullptr));
    return TRUE;
}
