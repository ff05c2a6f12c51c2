#include "launch/Launch.h"

namespace torvane {

std::optional<std::wstring> WorkingDirectory(const std::wstring& applicationPath) {
    const auto lastBackslash = applicationPath.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return std::nullopt;
    return applicationPath.substr(0, lastBackslash);
}

}  // namespace torvane
