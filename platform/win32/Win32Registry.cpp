#include <vector>

#include "platform/win32/Errors.h"
#include "platform/win32/Win32Services.h"
#include "platform/RegistryPath.h"

namespace torvane::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

const wchar_t* ValueName(const RegistryPath& path) {
    return path.valueName.empty() ? nullptr : path.valueName.c_str();
}

}  // namespace

Result<std::wstring> Win32Registry::Read(const std::wstring& fullPath) {
    const auto path = ParseRegistryPath(fullPath);
    if (!path) return Win32Failure(ERROR_INVALID_PARAMETER);
    UniqueKey key;
    if (LONG status = RegOpenKeyExW(RootKey(path->root), path->subKey.c_str(), 0, KEY_QUERY_VALUE, key.out())) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    // The stored words and a program's path fit at the first query, each of
    // which is a round trip to the system; a longer value is asked for again
    // at its size, which may grow in between: ask until the data fits.
    constexpr DWORD kFirstGuess = 512;  // bytes: MAX_PATH characters, quoted, with a switch
    std::vector<BYTE> data(kFirstGuess);
    DWORD type = 0;
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        const LONG status = RegQueryValueExW(key.get(), ValueName(*path), nullptr, &type, data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            break;
        }
        if (status != ERROR_MORE_DATA) return Win32Failure(static_cast<DWORD>(status));
        data.resize(size + sizeof(wchar_t));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        // Not text: never one of the stored words, never empty.
        return L"[REG " + std::to_wstring(type) + L"]";
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    if (const auto end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
    return text;
}

Outcome Win32Registry::Write(const std::wstring& fullPath, const std::wstring& data) {
    const auto path = ParseRegistryPath(fullPath);
    if (!path) return Win32Failure(ERROR_INVALID_PARAMETER);
    UniqueKey key;
    if (LONG status = RegCreateKeyExW(RootKey(path->root), path->subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                      nullptr, key.out(), nullptr)) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    if (LONG status = RegSetValueExW(key.get(), ValueName(*path), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.c_str()), bytes)) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    return std::nullopt;
}

// KEY_WOW64_64KEY opens the 64-bit view from a 32-bit program on 64-bit
// Windows; 32-bit Windows has one view and ignores the flag.
Result<std::vector<std::uint8_t>> Win32Registry::ReadSystemRecord(const std::wstring& fullPath) {
    const auto path = ParseRegistryPath(fullPath);
    if (!path) return Win32Failure(ERROR_INVALID_PARAMETER);
    UniqueKey key;
    if (LONG status = RegOpenKeyExW(RootKey(path->root), path->subKey.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                                    key.out())) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    // Windows writes twelve bytes; the first ones tell, so a longer record
    // is read as far as it fits.
    std::vector<std::uint8_t> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    const LONG status = RegQueryValueExW(key.get(), ValueName(*path), nullptr, nullptr, data.data(), &size);
    if (status == ERROR_MORE_DATA) return data;
    if (status) return Win32Failure(static_cast<DWORD>(status));
    data.resize(size);
    return data;
}

Outcome Win32Registry::WriteSystemRecord(const std::wstring& fullPath, const std::vector<std::uint8_t>& data) {
    const auto path = ParseRegistryPath(fullPath);
    if (!path) return Win32Failure(ERROR_INVALID_PARAMETER);
    UniqueKey key;
    if (LONG status = RegOpenKeyExW(RootKey(path->root), path->subKey.c_str(), 0, KEY_SET_VALUE | KEY_WOW64_64KEY,
                                    key.out())) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    if (LONG status = RegSetValueExW(key.get(), ValueName(*path), 0, REG_BINARY, data.data(),
                                     static_cast<DWORD>(data.size()))) {
        return Win32Failure(static_cast<DWORD>(status));
    }
    return std::nullopt;
}

// IsWow64Process answers yes exactly for a 32-bit program on 64-bit Windows
// (redirected to the 32-bit view); no on 32-bit Windows, where Task Manager
// records the start-ups of the one Run key under StartupApproved\Run, and no
// for a 64-bit build, whose Run key is Windows' own.
bool Win32Registry::Is32BitViewOf64BitWindows() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::int32_t Win32Registry::OpenKeyStatus(const std::wstring& subKey) {
    UniqueKey key;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, key.out());
}

}  // namespace torvane::win32
