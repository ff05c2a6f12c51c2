#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace torvane::settings {

inline constexpr wchar_t kSubKey[] = L"SOFTWARE\\Merovi\\Torvane";
inline constexpr wchar_t kKeyDefaultValue[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\";
inline constexpr wchar_t kEsegui[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui";
inline constexpr wchar_t kRunValue[] =
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane";

// Windows' records of the Run value's switch in Task Manager (Startup apps),
// named like the Run value: under Run32 for the 32-bit Run key of a 64-bit
// Windows, under Run for the one Run key of a 32-bit Windows. The machine's
// record counts for every user, the user's for that user.
enum class StartRecord { Machine, User };

inline constexpr wchar_t kAdminDefault[] = L"AdminDefault";
inline constexpr wchar_t kNoAdminDefault[] = L"NoAdminDefault";

inline constexpr int kKeyPresent = 0;
inline constexpr int kKeyMissing = 2;

// What Windows runs at log-on: folder, a backslash unless the folder ends in
// one, the base name and ".exe"; quoted when it holds a blank, so that Windows
// cannot take "C:\Program" for the program.
std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName);

// Whether a Task Manager record says the start is off: its first byte is odd
// (03, 07, followed by when it was switched off); even (02, 06) is on. An
// empty record says nothing.
bool RecordSaysOff(const std::vector<std::uint8_t>& record);

// Whether Windows skips the Run value at log-on, by the machine's or this
// user's record; an absent or unreadable record does not.
bool SwitchedOffByWindows(Registry& store);

// Sets a record that says off to on, as Task Manager does; any other record,
// and a missing one, is left alone.
Outcome SwitchOnRecord(Registry& store, StartRecord whose);

}  // namespace torvane::settings
