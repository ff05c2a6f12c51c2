#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

// The shell's result code in words; none for a code outside the table.
std::optional<std::wstring> ResultMessage(std::int32_t code);

}  // namespace torvane
