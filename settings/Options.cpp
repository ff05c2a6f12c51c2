#include "settings/Options.h"

namespace torvane::settings {

Reading ReadEsegui(Registry& store) {
    const auto read = store.Read(kEsegui);
    if (!read.ok()) return Reading::Neither;
    if (read.value() == kAdminDefault) return Reading::On;
    return read.value() == kNoAdminDefault ? Reading::Off : Reading::Neither;
}

Reading ReadAutoStart(Registry& store) {
    const auto read = store.Read(kRunValue);
    if (!read.ok()) return read.failure().code == codes::kNotFound ? Reading::Off : Reading::Neither;
    if (read.value().empty()) return Reading::Off;
    // Task Manager may have switched the start off without touching the value.
    return SwitchedOffByWindows(store) ? Reading::Neither : Reading::On;
}

}  // namespace torvane::settings
