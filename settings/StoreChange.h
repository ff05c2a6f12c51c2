#pragma once
#include <string>

#include "platform/Registry.h"
#include "settings/Option.h"

namespace torvane::settings {

// Stores the change in the option's value, the command line being the Run
// value that starts this program; switching the start on also switches the
// machine's Task Manager record on.
Outcome StoreChange(Registry& store, const Change& change, const std::wstring& commandLine);

}  // namespace torvane::settings
