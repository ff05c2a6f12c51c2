#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Application.h"
#include "platform/Registry.h"

namespace torvane::settings {

// The elevated copy: stores the change its command line names and returns
// its exit code: 0 when stored, kBadArgument for anything else asked (then
// nothing is written), or the failed write's code.
inline constexpr std::uint32_t kBadArgument = 87;  // ERROR_INVALID_PARAMETER
std::uint32_t RunElevatedWrite(std::wstring_view arguments, Registry& store, Application& application);

}  // namespace torvane::settings
