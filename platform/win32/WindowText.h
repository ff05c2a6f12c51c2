#pragma once
#include <windows.h>

#include <string>

namespace torvane::win32 {

// A window's whole text: its title, or a control's caption.
inline std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace torvane::win32
