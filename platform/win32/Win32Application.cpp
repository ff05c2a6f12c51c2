#include "platform/win32/Win32Services.h"

namespace torvane::win32 {
namespace {

// Unique to this program, unlike a window title that any program may carry.
constexpr wchar_t kInstanceMutex[] = L"Local\\Quennavo.Torvane.Instance";

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM collected) {
    wchar_t title[512];
    const int length = GetWindowTextW(hwnd, title, static_cast<int>(std::size(title)));
    reinterpret_cast<std::vector<TopLevelWindow>*>(collected)->push_back(
        {reinterpret_cast<std::uintptr_t>(hwnd), std::wstring(title, static_cast<std::size_t>(length))});
    return TRUE;
}

}  // namespace

// Any sign that the mutex exists means another instance runs: one made by an
// elevated panel refuses a standard user's panel access to it, and a name
// taken by another kind of object is refused too.
bool Win32Application::AnotherInstanceRunning() {
    if (!instanceMutex_) instanceMutex_.reset(CreateMutexW(nullptr, FALSE, kInstanceMutex));
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS ||
           (!instanceMutex_ && (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE));
}

std::vector<TopLevelWindow> Win32Application::TopLevelWindows() {
    std::vector<TopLevelWindow> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Never waits on the earlier instance, which may not be answering: nothing is
// sent to its window, only posted.
Outcome Win32Application::Activate(std::uintptr_t handle) {
    const HWND window = reinterpret_cast<HWND>(handle);
    if (!IsWindow(window)) return Failure{codes::kInvalidCall, L"Finestra non trovata"};
    if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
    SetForegroundWindow(window);
    return std::nullopt;
}

std::wstring OwnModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// As the system reports it; a drive root keeps its backslash ("D:\").
std::wstring Win32Application::OwnFolder() {
    const std::wstring path = OwnModulePath();
    std::wstring folder = path.substr(0, path.rfind(L'\\'));
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return folder;
}

std::wstring Win32Application::ExeBaseName() {
    const std::wstring path = OwnModulePath();
    std::wstring name = path.substr(path.rfind(L'\\') + 1);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.resize(dot);
    return name;
}

}  // namespace torvane::win32
