#pragma once
#include <windows.h>

namespace torvane::win32 {

// A push button that its parent draws (WM_DRAWITEM, as for BS_OWNERDRAW) and
// that tells its parent of clicks (WM_COMMAND with BN_CLICKED). Lighter to
// create than the system's button, which the panel needs 24 of at start-up.
inline constexpr wchar_t kPictureButtonClass[] = L"TorvanePictureButton";

// False when the class cannot be registered; GetLastError tells why.
bool RegisterPictureButton(HINSTANCE instance);

}  // namespace torvane::win32
