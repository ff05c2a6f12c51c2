#include "settings/StoreChange.h"

#include "settings/SettingsStore.h"

namespace torvane::settings {

Outcome StoreChange(Registry& store, const Change& change, const std::wstring& commandLine) {
    const Option& option = *change.option;
    const wchar_t* word = change.on ? option.on : option.off;
    const std::wstring data = word != nullptr ? word : commandLine;
    if (Outcome failed = store.Write(option.path, data)) return failed;
    if (change.on && option.switchesStartRecordsOn) return SwitchOnRecord(store, StartRecord::Machine);
    return std::nullopt;
}

}  // namespace torvane::settings
