#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Apartment.h"
#include "platform/win32/Errors.h"
#include "platform/win32/SystemFunctions.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {

Result<std::uint32_t> Win32Elevation::RunElevated(const std::wstring& arguments) {
    // The shell wants the apartment for its elevation prompt.
    EnterUiApartment();
    const auto shellExecuteEx = Bound<system32::kShellExecuteExW>();
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
    // Declined: ERROR_CANCELLED. Otherwise the error says why it did not start:
    // a file gone, or one on a drive letter mapped by the filtered token, which
    // the elevated token does not see.
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

// The copy ends with a failed write's code, a Win32 error as HRESULT_FROM_WIN32
// makes it, whose text the system keeps under the error itself.
std::wstring Win32Elevation::DescribeExitCode(std::uint32_t code) {
    const auto result = static_cast<HRESULT>(code);
    return SystemMessage(FAILED(result) && HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : code);
}

}  // namespace torvane::win32
