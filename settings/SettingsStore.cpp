#include "settings/SettingsStore.h"

namespace torvane::settings {

std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName) {
    std::wstring line = folder;
    if (line.empty() || line.back() != L'\\') line += L'\\';
    line += exeBaseName + L".exe";
    if (line.find(L' ') != std::wstring::npos) line = L"\"" + line + L"\"";
    return line;
}

bool RecordSaysOff(const std::vector<std::uint8_t>& record) { return !record.empty() && (record[0] & 1) != 0; }

bool SwitchedOffByWindows(Registry& store) {
    for (const wchar_t* path : {kMachineStartRecord, kUserStartRecord}) {
        const auto record = store.ReadSystemRecord(path);
        if (record.ok() && RecordSaysOff(record.value())) return true;
    }
    return false;
}

Outcome SwitchOnRecord(Registry& store, const std::wstring& path) {
    // What Task Manager writes when it switches a start on.
    static const std::vector<std::uint8_t> kOn{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const auto record = store.ReadSystemRecord(path);
    if (!record.ok() || !RecordSaysOff(record.value())) return std::nullopt;
    return store.WriteSystemRecord(path, kOn);
}

}  // namespace torvane::settings
