#pragma once
#include <string>

#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace torvane::settings {

// The two option commands. Each asks before it changes anything, passes
// registry failures silently, and confirms a change only when the value read
// back shows it. They take the option's check mark as it stands and return
// it as it is to be.

// Elevated launching. The stored value decides; the check mark only when the
// value is neither word.
bool SwitchRunAsAdministrator(Registry& store, Dialogs& dialogs, bool checked);

// Start at log-on through the machine's Run value, set to `commandLine`. The
// check mark decides.
bool SwitchAutoStart(Registry& store, Dialogs& dialogs, bool checked, const std::wstring& commandLine);

}  // namespace torvane::settings
