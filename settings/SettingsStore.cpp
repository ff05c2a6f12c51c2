#include "settings/SettingsStore.h"

namespace torvane::settings {

std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName) {
    std::wstring line = folder;
    if (line.empty() || line.back() != L'\\') line += L'\\';
    line += exeBaseName + L".exe";
    if (line.find(L' ') != std::wstring::npos) line = L"\"" + line + L"\"";
    return line;
}

}  // namespace torvane::settings
