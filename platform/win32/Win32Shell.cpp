#include <windows.h>

#include "platform/win32/Apartment.h"
#include "platform/win32/SystemFunctions.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {
namespace {

using ShellExecuteFunction = decltype(&ShellExecuteW);

ShellExecuteFunction ReadyShell() {
    EnterUiApartment();
    return Bound<system32::kShellExecuteW>();
}

}  // namespace

void PrepareShell() { ReadyShell(); }

std::int32_t Win32Shell::Execute(bool ownedByWindow, const std::wstring& verb, const std::wstring& file,
                                 const std::optional<std::wstring>& directory) {
    const ShellExecuteFunction shellExecute = ReadyShell();
    if (shellExecute == nullptr) return SE_ERR_DLLNOTFOUND;
    const HINSTANCE result = shellExecute(ownedByWindow ? owner_ : nullptr, verb.c_str(), file.c_str(), nullptr,
                                           directory ? directory->c_str() : nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace torvane::win32
