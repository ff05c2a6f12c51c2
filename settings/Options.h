#pragma once
#include <string>

#include "settings/OptionSwitch.h"

namespace torvane::settings {

// The two option commands. Each asks before it changes anything, and
// confirms a change only when the value read back shows it. A write refused
// for lack of rights is asked of an elevated copy of the program; a change
// that cannot be made is said in one box. They take the option's check mark
// as it stands and return it as it is to be.

// Elevated launching. The stored value decides; the check mark only when the
// value is neither word.
bool SwitchRunAsAdministrator(const OptionServices& services, bool checked);

// Start at log-on through the machine's Run value, set to the services'
// command line. The check mark decides.
bool SwitchAutoStart(const OptionServices& services, bool checked);

}  // namespace torvane::settings
