#pragma once
#include <windows.h>

namespace torvane::win32 {

// A function of a system DLL that is loaded at its first use, so that the
// DLL costs nothing while the panel starts. Null when it cannot be had.
template <class Function>
Function LateBound(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) module = LoadLibraryW(dll);  // Windows 7 without the search flags
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace torvane::win32
