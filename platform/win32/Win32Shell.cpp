#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/LateBound.h"
#include "platform/win32/Win32Services.h"

namespace torvane::win32 {

void EnterShellApartment() {
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    static const bool apartment = [] {
        const auto coInitializeEx = LateBound<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx");
        return coInitializeEx && SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    (void)apartment;
}

namespace {

using ShellExecuteWFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

ShellExecuteWFn ShellExecuteFunction() {
    EnterShellApartment();
    static const auto shellExecute = LateBound<ShellExecuteWFn>(L"shell32.dll", "ShellExecuteW");
    return shellExecute;
}

}  // namespace

void PrepareShell() { ShellExecuteFunction(); }

std::int32_t Win32Shell::Execute(bool ownedByWindow, const std::wstring& verb, const std::wstring& file,
                                 const std::optional<std::wstring>& directory) {
    const ShellExecuteWFn shellExecute = ShellExecuteFunction();
    if (shellExecute == nullptr) return SE_ERR_DLLNOTFOUND;
    const HINSTANCE result = shellExecute(ownedByWindow ? owner_ : nullptr, verb.c_str(), file.c_str(), nullptr,
                                           directory ? directory->c_str() : nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace torvane::win32
