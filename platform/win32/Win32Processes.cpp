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
        DWORD session = 0;
        const bool known = ProcessIdToSessionId(entry.th32ProcessID, &session);
        processes.push_back({entry.th32ProcessID, std::wstring(entry.szExeFile),
                             known ? std::optional<std::uint32_t>(session) : std::nullopt});
    }
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES) return Win32Failure(error);
    return processes;
}

std::uint32_t Win32Processes::OwnSession() {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return session;
}

void Win32Processes::Terminate(std::uint32_t id, const std::wstring& imageName) {
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process) return;  // ended, or refuses us
    std::wstring path(MAX_PATH, L'\0');
    auto length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) return;
    path.resize(length);
    if (path.substr(path.rfind(L'\\') + 1) != imageName) return;
    TerminateProcess(process.get(), 1);
}

void Win32Processes::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace torvane::win32
