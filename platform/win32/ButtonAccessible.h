#pragma once
#include <windows.h>

namespace torvane::win32 {

// Answers WM_GETOBJECT for a picture button: to screen readers and to UI
// Automation (through its MSAA bridge) the button is a push button named by
// its caption, whose default action clicks it. 0 where the button leaves the
// answer to the system. oleacc is loaded at the first question, so that it
// costs nothing while the panel starts.
LRESULT AnswerGetObject(HWND button, WPARAM flags, LPARAM objectId);

}  // namespace torvane::win32
