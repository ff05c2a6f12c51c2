#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

// Task Manager's records under either root, in one key for each Run key.
constexpr wchar_t kStartupApproved[] = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

std::wstring StartRecordPath(Registry& store, StartRecord whose) {
    const std::wstring root = whose == StartRecord::Machine ? L"HKEY_LOCAL_MACHINE" : L"HKEY_CURRENT_USER";
    const wchar_t* key = store.Is32BitViewOf64BitWindows() ? L"Run32" : L"Run";
    return root + kStartupApproved + key + L"\\Torvane";
}

}  // namespace

std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName) {
    std::wstring line = folder;
    if (line.empty() || line.back() != L'\\') line += L'\\';
    line += exeBaseName + L".exe";
    if (line.find(L' ') != std::wstring::npos) line = L"\"" + line + L"\"";
    return line;
}

bool RecordSaysOff(const std::vector<std::uint8_t>& record) { return !record.empty() && (record[0] & 1) != 0; }

bool SwitchedOffByWindows(Registry& store) {
    for (const StartRecord whose : {StartRecord::Machine, StartRecord::User}) {
        const auto record = store.ReadSystemRecord(StartRecordPath(store, whose));
        if (record.ok() && RecordSaysOff(record.value())) return true;
    }
    return false;
}

Outcome SwitchOnRecord(Registry& store, StartRecord whose) {
    // What Task Manager writes when it switches a start on.
    static const std::vector<std::uint8_t> kOn{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::wstring path = StartRecordPath(store, whose);
    const auto record = store.ReadSystemRecord(path);
    if (!record.ok() || !RecordSaysOff(record.value())) return std::nullopt;
    return store.WriteSystemRecord(path, kOn);
}

}  // namespace torvane::settings
