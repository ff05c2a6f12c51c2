#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Services.h"

namespace torvane::win32 {

std::int32_t Win32Shell::Execute(bool ownedByWindow, const std::wstring& verb, const std::wstring& file,
                                 const std::optional<std::wstring>& directory) {
    const HINSTANCE result = ShellExecuteW(ownedByWindow ? owner_ : nullptr, verb.c_str(), file.c_str(), nullptr,
                                           directory ? directory->c_str() : nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace torvane::win32
