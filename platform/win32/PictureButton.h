#pragma once
#include <windows.h>

namespace torvane::win32 {

// A push button that its parent draws (WM_DRAWITEM, as for BS_OWNERDRAW) and
// that tells its parent of clicks (WM_COMMAND with BN_CLICKED). Lighter to
// create than the system's button, which the panel needs 24 of at start-up.
inline constexpr wchar_t kPictureButtonClass[] = L"TorvanePictureButton";

// The notification of a click of the mouse, in place of BN_CLICKED: its time
// and place are GetMessageTime's and GetMessagePos's while it is sent.
inline constexpr WORD kMouseClicked = 0x4000;

// Whether a key message is an auto-repeat of a key held down.
inline bool Repeated(LPARAM keyData) { return (keyData & 0x40000000) != 0; }

// False when the class cannot be registered; GetLastError tells why.
bool RegisterPictureButton(HINSTANCE instance);

}  // namespace torvane::win32
