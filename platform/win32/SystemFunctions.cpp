#include "platform/win32/SystemFunctions.h"

#include <string>

namespace torvane::win32 {
namespace {

// Windows 7 without update KB2533623 refuses the search flag (ERROR_INVALID_PARAMETER): the full path then.
HMODULE LoadSystemLibrary(const wchar_t* dll) {
    if (HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
}

}  // namespace

FARPROC LookUpSystemFunction(const wchar_t* dll, const char* name, bool sideBySide) {
    const HMODULE module = sideBySide ? LoadLibraryW(dll) : LoadSystemLibrary(dll);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

}  // namespace torvane::win32
