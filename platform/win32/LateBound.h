#pragma once
#include <windows.h>

#include <string>

namespace torvane::win32 {

// A DLL of the system from its System32 folder, never from a search that
// could find a copy planted elsewhere first. Windows 7 without update
// KB2533623 refuses the search flag (ERROR_INVALID_PARAMETER): the full path
// then.
inline HMODULE LoadSystemLibrary(const wchar_t* dll) {
    if (HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
}

// A function of a system DLL that is loaded at its first use, so that the
// DLL costs nothing while the panel starts. Null when it cannot be had.
template <class Function>
Function LateBound(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemLibrary(dll);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace torvane::win32
