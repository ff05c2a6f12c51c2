#include "settings/ElevatedWrite.h"

#include "settings/ElevatedArgument.h"
#include "settings/SettingsStore.h"
#include "settings/StoreChange.h"

namespace torvane::settings {

std::uint32_t RunElevatedWrite(std::wstring_view arguments, Registry& store, Application& application) {
    const auto change = ParseElevatedArgument(arguments);
    if (!change) return kBadArgument;
    const Outcome failed =
        StoreChange(store, *change, AutoStartCommandLine(application.OwnFolder(), application.ExeBaseName()));
    return failed ? static_cast<std::uint32_t>(failed->code) : 0;
}

}  // namespace torvane::settings
