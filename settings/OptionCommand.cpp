#include "settings/OptionCommand.h"

#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

enum class Offer { SwitchOn, SwitchOff, Nothing };

Offer WhatAClickOffers(const Option& option, Registry& store, bool checked) {
    if (option.decides == Decides::CheckMark) {
        if (checked) return Offer::SwitchOff;
        // A value written by someone else, and in force, is left alone.
        return option.read(store) == Reading::On ? Offer::Nothing : Offer::SwitchOn;
    }
    // With no usable stored value and the mark clear, switching on is offered,
    // so that the option never becomes impossible to enable.
    switch (option.read(store)) {
        case Reading::On:
            return Offer::SwitchOff;
        case Reading::Off:
            return Offer::SwitchOn;
        case Reading::Neither:
            break;
    }
    return checked ? Offer::SwitchOff : Offer::SwitchOn;
}

// Asks, stores and reads back one change; the mark as it is to be, or nothing
// when the change did not show and was not tried through an elevated copy.
std::optional<bool> TrySwitch(const Option& option, const OptionServices& services, bool checked, bool on) {
    const OptionTexts& texts = option.texts;
    if (services.dialogs.ShowMessage(on ? texts.askOn : texts.askOff, option.name, BoxStyle::Question) !=
        Answer::Yes) {
        return checked;
    }
    const Written written = WriteChange(services, {&option, on});
    if (written == Written::Not) return checked;
    // This user's own record is the panel's to switch: an elevated copy may
    // run as another user, an administrator who gave the rights. Task
    // Manager's records are left as they are when switching off: Windows
    // keeps them.
    if (on && option.switchesStartRecordsOn) SwitchOnRecord(services.store, StartRecord::User);
    if (option.read(services.store) == (on ? Reading::On : Reading::Off)) {
        services.dialogs.ShowMessage(on ? texts.doneOn : texts.doneOff, option.name, BoxStyle::Information);
        return on;
    }
    if (written == Written::ByElevatedCopy) {
        SayNeedsRights(services.dialogs, option.name);
        return checked;
    }
    return std::nullopt;
}

}  // namespace

bool SwitchOption(const Option& option, const OptionServices& services, bool checked) {
    switch (WhatAClickOffers(option, services.store, checked)) {
        case Offer::Nothing:
            return checked;
        case Offer::SwitchOn:
            if (const auto mark = TrySwitch(option, services, checked, true)) return *mark;
            // Switching on did not show: a mark that is set is offered to be cleared.
            if (!checked) return checked;
            [[fallthrough]];
        case Offer::SwitchOff:
            return TrySwitch(option, services, checked, false).value_or(checked);
    }
    return checked;
}

}  // namespace torvane::settings
