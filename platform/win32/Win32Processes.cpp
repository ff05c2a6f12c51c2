#include <windows.h>
#include <wtsapi32.h>

#include <memory>

#include "platform/win32/Errors.h"
#include "platform/win32/SystemFunctions.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {
namespace {

// Whether the process runs under the image name (the file name of its path).
bool RunsAs(HANDLE process, const std::wstring& imageName) {
    std::wstring path(MAX_PATH, L'\0');
    auto length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &length)) return false;
    path.resize(length);
    return path.substr(path.rfind(L'\\') + 1) == imageName;
}

}  // namespace

// WTSEnumerateProcesses lists every process with its session and needs no
// rights on them, where ProcessIdToSessionId needs PROCESS_QUERY_INFORMATION,
// which an elevated process refuses a panel without administrator rights.
// Without those rights it leaves out other users' processes; this user's
// elevated ones are listed. Wine implements it, with the sessions.
Result<std::vector<ProcessEntry>> Win32Processes::List() {
    const auto enumerate = Bound<system32::kWTSEnumerateProcessesW>();
    const auto freeMemory = Bound<system32::kWTSFreeMemory>();
    if (enumerate == nullptr || freeMemory == nullptr) return Win32Failure(ERROR_PROC_NOT_FOUND);
    WTS_PROCESS_INFOW* listed = nullptr;
    DWORD count = 0;
    if (!enumerate(WTS_CURRENT_SERVER_HANDLE, 0, 1, &listed, &count)) return Win32Failure(GetLastError());
    const std::unique_ptr<WTS_PROCESS_INFOW, decltype(freeMemory)> owned(listed, freeMemory);
    std::vector<ProcessEntry> processes;
    for (DWORD i = 0; i < count; ++i) {
        const WTS_PROCESS_INFOW& process = listed[i];
        processes.push_back({process.ProcessId,
                             process.pProcessName ? std::optional(std::wstring(process.pProcessName)) : std::nullopt,
                             process.SessionId});
    }
    return processes;
}

std::uint32_t Win32Processes::OwnSession() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

// Mandatory integrity: a process without administrator rights cannot open an
// elevated one for PROCESS_TERMINATE, while PROCESS_QUERY_LIMITED_INFORMATION
// is granted; so whether a process that refuses us still runs under its name
// can be told all the same. Wine grants every right to every process.
Termination Win32Processes::Terminate(std::uint32_t id, const std::wstring& imageName) {
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    const bool refused = !process && GetLastError() == ERROR_ACCESS_DENIED;
    if (refused) process.reset(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process || !RunsAs(process.get(), imageName)) return Termination::Gone;
    if (refused) return Termination::Refused;
    if (TerminateProcess(process.get(), 1)) return Termination::Stopped;
    // It fails too for a process that is ending already.
    DWORD exitCode = 0;
    return GetExitCodeProcess(process.get(), &exitCode) && exitCode == STILL_ACTIVE ? Termination::Refused
                                                                                    : Termination::Gone;
}

void Win32Processes::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace torvane::win32
