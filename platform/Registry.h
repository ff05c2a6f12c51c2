#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace torvane {

// Registry access by full path ("HKEY_LOCAL_MACHINE\SOFTWARE\...\Name"), in
// the registry view of the program's own process.
class Registry {
public:
    virtual ~Registry() = default;
    // The value's data as text; fails with codes::kNotFound when the value or
    // its key is missing. Data of another type reads as a non-empty text that
    // names its type.
    virtual Result<std::wstring> Read(const std::wstring& fullPath) = 0;
    // Stores text as REG_SZ, creating the key when missing. A path ending in
    // a backslash sets the key's default value.
    virtual Outcome Write(const std::wstring& fullPath, const std::wstring& data) = 0;
    // Status of opening a key under HKEY_LOCAL_MACHINE for reading:
    // 0 present, 2 missing, 5 access denied, or another system code.
    virtual std::int32_t OpenKeyStatus(const std::wstring& subKey) = 0;
    // The bytes of a value that Windows keeps for itself, in the system's own
    // registry view (on 64-bit Windows a 32-bit program's HKEY_LOCAL_MACHINE
    // \SOFTWARE is elsewhere); fails with codes::kNotFound when missing.
    virtual Result<std::vector<std::uint8_t>> ReadSystemRecord(const std::wstring& fullPath) = 0;
    // Replaces the bytes of such a value, of an existing key, as REG_BINARY.
    virtual Outcome WriteSystemRecord(const std::wstring& fullPath, const std::vector<std::uint8_t>& data) = 0;
    // Whether this process sees the 32-bit view of a 64-bit Windows, as the
    // system tells (never by the build's own bitness): its Run value is then
    // in the 32-bit Run key, whose start-ups Windows records apart.
    virtual bool Is32BitViewOf64BitWindows() = 0;
};

}  // namespace torvane
