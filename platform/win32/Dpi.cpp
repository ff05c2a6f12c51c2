#include "platform/win32/Dpi.h"

#include <cmath>

#include "platform/win32/Handles.h"
#include "platform/win32/LateBound.h"

namespace torvane::win32 {

UINT DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (hwnd != nullptr && getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    const WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT PrimaryScreenDpi() {
    // GetDpiForMonitor exists from Windows 8.1 on; before, the system's DPI is every screen's.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto getDpiForMonitor = LateBound<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    const HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(primary, 0, &x, &y)) && y > 0) return y;
    return DpiOf(nullptr);
}

int Px(double twips, UINT dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

double Twips(int pixels, UINT dpi) { return pixels * 1440.0 / dpi; }

HFONT CreateFixedFont(const std::wstring& face, int tenthsOfPoint, UINT dpi) {
    return CreateFontW(-MulDiv(tenthsOfPoint, static_cast<int>(dpi), 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, face.c_str());
}

}  // namespace torvane::win32
