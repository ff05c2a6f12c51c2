// Stands in for a diagnostic application: records how it was started in
// C:\torvane-standins.log, one line "pid|path|working folder|command line", then stays
// running for a while so that it can be seen and stopped, and ends by itself.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH];
    wchar_t folder[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring line =
        std::to_wstring(GetCurrentProcessId()) + L"|" + path + L"|" + folder + L"|" + GetCommandLineW() + L"\r\n";

    // Several stand-ins may start at once: append under a named lock.
    HANDLE lock = CreateMutexW(nullptr, FALSE, L"Local\\TorvaneStandinLog");
    WaitForSingleObject(lock, 5000);
    HANDLE log = CreateFileW(L"C:\\torvane-standins.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string utf8(line.begin(), line.end());
    DWORD written = 0;
    WriteFile(log, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(log);
    ReleaseMutex(lock);
    CloseHandle(lock);

    Sleep(600000);  // longer than a panel takes to start under emulation
    return 0;
}
