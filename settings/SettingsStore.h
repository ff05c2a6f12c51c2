#pragma once
#include <string>

namespace torvane::settings {

inline constexpr wchar_t kSubKey[] = L"SOFTWARE\\Merovi\\Torvane";
inline constexpr wchar_t kKeyDefaultValue[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\";
inline constexpr wchar_t kEsegui[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui";
inline constexpr wchar_t kRunValue[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane";

inline constexpr wchar_t kAdminDefault[] = L"AdminDefault";
inline constexpr wchar_t kNoAdminDefault[] = L"NoAdminDefault";

inline constexpr int kKeyPresent = 0;
inline constexpr int kKeyMissing = 2;

// What Windows runs at log-on: folder, a backslash unless the folder ends in
// one, the base name and ".exe"; quoted when it holds a blank, so that Windows
// cannot take "C:\Program" for the program.
std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName);

}  // namespace torvane::settings
