#pragma once
#include <string>

#include "platform/Dialogs.h"
#include "platform/Elevation.h"
#include "platform/Registry.h"
#include "settings/Option.h"

namespace torvane::settings {

// What the option commands work with.
struct OptionServices {
    Registry& store;
    Dialogs& dialogs;
    Elevation& elevation;
    std::wstring commandLine;  // the Run value that starts this program
};

// How an option command's change went.
enum class Written { Directly, ByElevatedCopy, Not };

// Stores the change. A write refused for lack of rights is handed to an
// elevated copy of the program. When the change cannot be stored, nothing has
// changed and one box in the option's title says why: the rights box when the
// prompt was declined or the copy's write refused for lack of rights;
// otherwise the code and the system's text of what went wrong.
Written WriteChange(const OptionServices& services, const Change& change);

// The box for a change that needed administrator rights and did not get them.
void SayNeedsRights(Dialogs& dialogs, const std::wstring& title);

}  // namespace torvane::settings
