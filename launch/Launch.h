#pragma once
#include <optional>
#include <string>

namespace torvane {

// The folder an application starts in: its path up to the last backslash,
// without it; none when the path holds no backslash.
std::optional<std::wstring> WorkingDirectory(const std::wstring& applicationPath);

}  // namespace torvane
