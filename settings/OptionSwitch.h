#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Elevation.h"
#include "platform/Registry.h"

namespace torvane::settings {

// One change of an option, as the option commands store it and as an
// elevated copy of the program is asked to store it.
enum class OptionSwitch { AutoStartOn, AutoStartOff, AdminOn, AdminOff };

// What the option commands work with.
struct OptionServices {
    Registry& store;
    Dialogs& dialogs;
    Elevation& elevation;
    std::wstring commandLine;  // the Run value that starts this program
};

// The elevated copy's command line, after the program's name, that asks for
// the change, e.g. "/opzione:avvio=si".
std::wstring ElevatedArgument(OptionSwitch change);

// Whether a command line asks for an elevated copy's write at all; otherwise
// the program is the panel.
bool AsksForElevatedWrite(std::wstring_view arguments);

// The change a command line names: exactly one known argument, blanks
// around it aside.
std::optional<OptionSwitch> ParseElevatedArgument(std::wstring_view arguments);

// Stores the change: the word of "Esegui", or the Run value; switching the
// start on also switches the machine's Task Manager record on.
Outcome StoreSwitch(Registry& store, OptionSwitch change, const std::wstring& commandLine);

// The elevated copy: stores the change its command line names and returns
// its exit code: 0 when stored, kBadArgument for anything else asked (then
// nothing is written), or the failed write's code.
inline constexpr std::uint32_t kBadArgument = 87;  // ERROR_INVALID_PARAMETER
std::uint32_t RunElevatedWrite(std::wstring_view arguments, Registry& store, Application& application);

// How an option command's change went.
enum class Written { Directly, ByElevatedCopy, Not };

// Stores the change. A write refused for lack of rights is handed to an
// elevated copy of the program. When the change cannot be stored, nothing has
// changed and one box in the option's title says why: the rights box when the
// prompt was declined or the copy's write refused for lack of rights;
// otherwise the code and the system's text of what went wrong.
Written WriteSwitch(const OptionServices& services, OptionSwitch change, const std::wstring& title);

// The box for a change that needed administrator rights and did not get them.
void SayNeedsRights(Dialogs& dialogs, const std::wstring& title);

}  // namespace torvane::settings
