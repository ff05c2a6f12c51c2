#pragma once
#include <windows.h>

namespace torvane::win32 {

inline constexpr wchar_t kMainClass[] = L"TorvaneFrmTorvane";
inline constexpr wchar_t kFrameClass[] = L"TorvaneFraBase";
inline constexpr int kFirstButtonId = 1000;  // a button's control id is this plus its index
inline constexpr int kIconResourceBase = 100;  // an entry's picture is this plus its index
// Sent to the main window: non-zero while the panel takes button clicks.
inline constexpr UINT kTakesClicksQuery = WM_APP + 1;

}  // namespace torvane::win32
