#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/Errors.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {

Result<std::vector<ProcessEntry>> Win32Processes::List() {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return Win32Failure(GetLastError());
    std::vector<ProcessEntry> processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        processes.push_back({entry.th32ProcessID, std::wstring(entry.szExeFile)});
    }
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) return Win32Failure(error);
    return processes;
}

Outcome Win32Processes::Terminate(std::uint32_t id) {
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (!process) {
        const DWORD error = GetLastError();
        // The process ended after it was listed.
        if (error == ERROR_INVALID_PARAMETER) return Failure{codes::kObjectGone, SystemMessage(error)};
        return Win32Failure(error);
    }
    // Whether it ended or not, the caller waits all the same.
    TerminateProcess(process.get(), 1);
    return std::nullopt;
}

void Win32Processes::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace torvane::win32
