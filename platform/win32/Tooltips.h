#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace torvane::win32 {

struct Tip {
    HWND control;
    std::wstring text;
};

// A tooltip window owned by `owner` that shows each tip over its control, a
// child of `parent`. Loads the common controls at this first use, so that
// they cost nothing while the panel starts. Null when they cannot be had.
HWND CreateTooltips(HINSTANCE instance, HWND owner, HWND parent, const std::vector<Tip>& tips);

}  // namespace torvane::win32
