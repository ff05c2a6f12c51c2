#pragma once
#include <windows.h>

#include "platform/Dialogs.h"

namespace torvane::win32 {

// Message boxes owned by the main window once it exists, by none before.
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(const HWND& owner) : owner_(owner) {}
    Answer ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) override;
    void Beep() override;

private:
    const HWND& owner_;
};

}  // namespace torvane::win32
