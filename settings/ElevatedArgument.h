#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/Option.h"

namespace torvane::settings {

// The elevated copy's command line, after the program's name, that asks for
// the change, e.g. "/opzione:avvio=si".
std::wstring ElevatedArgument(const Change& change);

// Whether a command line asks for an elevated copy's write at all; otherwise
// the program is the panel.
bool AsksForElevatedWrite(std::wstring_view arguments);

// The change a command line names: exactly one known argument, blanks
// around it aside.
std::optional<Change> ParseElevatedArgument(std::wstring_view arguments);

}  // namespace torvane::settings
