#pragma once
#include "settings/Option.h"
#include "settings/WriteChange.h"

namespace torvane::settings {

// An option's menu command. It asks before it changes anything, and confirms
// a change only when the value read back shows it. A write refused for lack
// of rights is asked of an elevated copy of the program; a change that cannot
// be made is said in one box. It takes the option's check mark as it stands
// and returns it as it is to be.
bool SwitchOption(const Option& option, const OptionServices& services, bool checked);

}  // namespace torvane::settings
