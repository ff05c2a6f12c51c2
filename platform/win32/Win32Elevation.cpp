#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Errors.h"
#include "platform/win32/LateBound.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {

Result<std::uint32_t> Win32Elevation::RunElevated(const std::wstring& arguments) {
    using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    EnterShellApartment();
    static const auto shellExecuteEx = LateBound<ShellExecuteExWFn>(L"shell32.dll", "ShellExecuteExW");
    if (shellExecuteEx == nullptr) return Win32Failure(ERROR_DLL_NOT_FOUND);
    const std::wstring exe = OwnModulePath();
    // No box of the shell's own: the caller says what went wrong, once.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner_;
    info.lpVerb = L"runas";
    info.lpFile = exe.c_str();
    info.lpParameters = arguments.c_str();
    info.nShow = SW_HIDE;
    if (!shellExecuteEx(&info)) return Win32Failure(GetLastError());
    if (info.hProcess == nullptr) return Win32Failure(ERROR_INVALID_HANDLE);
    const UniqueHandle process(info.hProcess);

    // Clicks, keys and the close box are held off; painting goes on.
    const bool wasEnabled = owner_ != nullptr && !EnableWindow(owner_, FALSE);
    const HANDLE handles[] = {process.get()};
    while (MsgWaitForMultipleObjectsEx(1, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 + 1) {
        window_.PumpEvents();
    }
    if (wasEnabled) EnableWindow(owner_, TRUE);

    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process.get(), &exitCode)) return Win32Failure(GetLastError());
    return static_cast<std::uint32_t>(exitCode);
}

}  // namespace torvane::win32
