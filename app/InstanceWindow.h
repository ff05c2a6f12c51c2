#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Application.h"

namespace torvane {

// The earlier instance's window: the one titled exactly so, else the first
// whose title begins with it (launch results may have been appended).
std::optional<std::uintptr_t> FindInstanceWindow(const std::vector<TopLevelWindow>& windows,
                                                 const std::wstring& title);

}  // namespace torvane
