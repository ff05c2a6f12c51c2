#pragma once
#include <windows.h>

#include "platform/Failure.h"

namespace torvane::win32 {

// The system's own wording of an error code, without the line break.
std::wstring SystemMessage(DWORD error);

// A Win32 error as the program sees failures: HRESULT_FROM_WIN32 with the
// system's text, as the shell's automation objects report them.
Failure Win32Failure(DWORD error);

}  // namespace torvane::win32
