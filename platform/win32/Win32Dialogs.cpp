#include "platform/win32/Win32Dialogs.h"

namespace torvane::win32 {

Answer Win32Dialogs::ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) {
    UINT flags = MB_OK;
    switch (style) {
        case BoxStyle::Information: flags = MB_OK | MB_ICONINFORMATION; break;
        case BoxStyle::Question: flags = MB_YESNO | MB_ICONQUESTION; break;
        case BoxStyle::Exclamation: flags = MB_OK | MB_ICONEXCLAMATION; break;
        case BoxStyle::Critical: flags = MB_OK | MB_ICONHAND; break;
    }
    switch (MessageBoxW(owner_, prompt.c_str(), title.c_str(), flags)) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        default: return Answer::Ok;
    }
}

void Win32Dialogs::Beep() { MessageBeep(MB_OK); }

}  // namespace torvane::win32
