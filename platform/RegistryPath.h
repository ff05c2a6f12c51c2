#pragma once
#include <optional>
#include <string>

namespace torvane {

enum class RegistryRoot { LocalMachine, CurrentUser };

// "HKEY_LOCAL_MACHINE\SOFTWARE\Merovi\Torvane\Esegui" split into root, key and
// value name; a trailing backslash names the key's default value (empty name).
struct RegistryPath {
    RegistryRoot root;
    std::wstring subKey;
    std::wstring valueName;
    bool operator==(const RegistryPath&) const = default;
};

std::optional<RegistryPath> ParseRegistryPath(const std::wstring& fullPath);

}  // namespace torvane
