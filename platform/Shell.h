#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a file or URL to the Windows shell with SW_SHOWNORMAL and no
    // parameters; returns the shell's result code (greater than 32 is success).
    // ownedByWindow: the main window is the owner, else there is none.
    virtual std::int32_t Execute(bool ownedByWindow, const std::wstring& verb, const std::wstring& file,
                                 const std::optional<std::wstring>& directory) = 0;
};

}  // namespace torvane
