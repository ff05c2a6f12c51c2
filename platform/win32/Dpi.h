#pragma once
#include <windows.h>

#include <string>

namespace torvane::win32 {

// The DPI of a window's screen; the system's for no window or before
// Windows 10 1607, which had only one.
UINT DpiOf(HWND hwnd);

// The DPI of the primary screen, where the panel is placed.
UINT PrimaryScreenDpi();

// Whole pixels for twips at a DPI.
int Px(double twips, UINT dpi);
double Twips(int pixels, UINT dpi);

// A fixed-pitch font of the given face and size, for a DPI.
HFONT CreateFixedFont(const std::wstring& face, int tenthsOfPoint, UINT dpi);

}  // namespace torvane::win32
