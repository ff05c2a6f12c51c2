#include "settings/SettingsStore.h"

#include "app/FrmTorvane.h"

namespace torvane {

namespace settings {

std::wstring AutoStartCommandLine(const std::wstring& folder, const std::wstring& exeBaseName) {
    std::wstring line = folder;
    if (line.empty() || line.back() != L'\\') line += L'\\';
    line += exeBaseName + L".exe";
    if (line.find(L' ') != std::wstring::npos) line = L"\"" + line + L"\"";
    return line;
}

}  // namespace settings

std::int32_t FrmTorvane::VerificaChiave(const std::wstring& subKey) {
    return platform_.registry.OpenKeyStatus(subKey);
}

}  // namespace torvane
