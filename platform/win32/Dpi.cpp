#include "platform/win32/Dpi.h"

#include <cmath>

#include "platform/win32/Handles.h"
#include "platform/win32/SystemFunctions.h"

namespace torvane::win32 {

UINT DpiOf(HWND hwnd) {
    const auto getDpiForWindow = Bound<system32::kGetDpiForWindow>();
    if (hwnd != nullptr && getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    const WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT PrimaryScreenDpi() {
    // Before Windows 8.1, the system's DPI is every screen's.
    const auto getDpiForMonitor = Bound<system32::kGetDpiForMonitor>();
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
