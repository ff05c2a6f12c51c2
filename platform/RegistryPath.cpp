#include "platform/RegistryPath.h"

#include <array>
#include <cwctype>
#include <utility>

namespace torvane {
namespace {

struct RootName {
    const wchar_t* name;
    RegistryRoot root;
};
constexpr std::array<RootName, 4> kRoots{{
    {L"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
    {L"HKLM", RegistryRoot::LocalMachine},
    {L"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {L"HKCU", RegistryRoot::CurrentUser},
}};

bool SameIgnoringCase(const std::wstring& a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != L'\0'; ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return i == a.size() && b[i] == L'\0';
}

}  // namespace

std::optional<RegistryPath> ParseRegistryPath(const std::wstring& fullPath) {
    const auto firstSlash = fullPath.find(L'\\');
    const auto lastSlash = fullPath.rfind(L'\\');
    if (firstSlash == std::wstring::npos || lastSlash == firstSlash) return std::nullopt;
    const std::wstring rootName = fullPath.substr(0, firstSlash);
    for (const auto& candidate : kRoots) {
        if (SameIgnoringCase(rootName, candidate.name)) {
            return RegistryPath{candidate.root, fullPath.substr(firstSlash + 1, lastSlash - firstSlash - 1),
                                fullPath.substr(lastSlash + 1)};
        }
    }
    return std::nullopt;
}

}  // namespace torvane
