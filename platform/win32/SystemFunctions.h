#pragma once
#include <windows.h>
#include <objbase.h>
#include <oleacc.h>
#include <shellapi.h>
#include <uxtheme.h>
#include <wtsapi32.h>
#include <commctrl.h>

#include <type_traits>

namespace torvane::win32 {

// A function of a system DLL that the program does not import.
template <class Function>
struct SystemFunction {
    using Type = Function;
    const wchar_t* dll;
    const char* name;
    // Loaded by its bare name, so that the program's manifest picks the version (the common controls' 6).
    bool sideBySide = false;
};

// Every function the program binds late. Their DLLs cost nothing while the panel starts: each is loaded at the
// first use of one of its functions.
namespace system32 {
inline constexpr SystemFunction<decltype(&CoInitializeEx)> kCoInitializeEx{L"ole32.dll", "CoInitializeEx"};
inline constexpr SystemFunction<decltype(&CoUninitialize)> kCoUninitialize{L"ole32.dll", "CoUninitialize"};
inline constexpr SystemFunction<decltype(&SysAllocString)> kSysAllocString{L"oleaut32.dll", "SysAllocString"};
inline constexpr SystemFunction<decltype(&LresultFromObject)> kLresultFromObject{L"oleacc.dll",
                                                                                  "LresultFromObject"};
inline constexpr SystemFunction<decltype(&CreateStdAccessibleObject)> kCreateStdAccessibleObject{
    L"oleacc.dll", "CreateStdAccessibleObject"};
inline constexpr SystemFunction<decltype(&IsAppThemed)> kIsAppThemed{L"uxtheme.dll", "IsAppThemed"};
inline constexpr SystemFunction<decltype(&OpenThemeData)> kOpenThemeData{L"uxtheme.dll", "OpenThemeData"};
inline constexpr SystemFunction<decltype(&DrawThemeBackground)> kDrawThemeBackground{L"uxtheme.dll",
                                                                                      "DrawThemeBackground"};
inline constexpr SystemFunction<decltype(&CloseThemeData)> kCloseThemeData{L"uxtheme.dll", "CloseThemeData"};
inline constexpr SystemFunction<decltype(&ShellExecuteW)> kShellExecuteW{L"shell32.dll", "ShellExecuteW"};
inline constexpr SystemFunction<decltype(&ShellExecuteExW)> kShellExecuteExW{L"shell32.dll", "ShellExecuteExW"};
inline constexpr SystemFunction<decltype(&WTSEnumerateProcessesW)> kWTSEnumerateProcessesW{
    L"wtsapi32.dll", "WTSEnumerateProcessesW"};
inline constexpr SystemFunction<decltype(&WTSFreeMemory)> kWTSFreeMemory{L"wtsapi32.dll", "WTSFreeMemory"};
// Windows 10 1607 and later.
inline constexpr SystemFunction<UINT(WINAPI*)(HWND)> kGetDpiForWindow{L"user32.dll", "GetDpiForWindow"};
// Windows 8.1 and later.
inline constexpr SystemFunction<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)> kGetDpiForMonitor{
    L"shcore.dll", "GetDpiForMonitor"};
inline constexpr SystemFunction<decltype(&InitCommonControlsEx)> kInitCommonControlsEx{
    L"comctl32.dll", "InitCommonControlsEx", true};
}  // namespace system32

// The address of a function of a system DLL, loaded from its System32 folder: never from a search that could find a
// copy planted elsewhere first. Side by side, the activation context names the folder. Null when it cannot be had.
FARPROC LookUpSystemFunction(const wchar_t* dll, const char* name, bool sideBySide);

// A function of the table, looked up at its first use and kept; null where the system lacks it.
template <const auto& function>
auto Bound() {
    using Function = typename std::remove_cvref_t<decltype(function)>::Type;
    static const auto bound = reinterpret_cast<Function>(
        reinterpret_cast<void*>(LookUpSystemFunction(function.dll, function.name, function.sideBySide)));
    return bound;
}

}  // namespace torvane::win32
