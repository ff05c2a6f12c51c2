#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kTitle[] = L"Esegui come amministratore";
constexpr wchar_t kAskActivate[] = L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ";
constexpr wchar_t kActivated[] = L"Opzione attivata.      ";
constexpr wchar_t kAskDeactivate[] = L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ";
constexpr wchar_t kDeactivated[] = L"Opzione disattivata.     ";

// The stored value; an unreadable one reads as empty.
std::wstring Stored(Registry& store) {
    const auto read = store.Read(kEsegui);
    return read.ok() ? read.value() : std::wstring();
}

}  // namespace

bool SwitchRunAsAdministrator(const OptionServices& services, bool checked) {
    Registry& store = services.store;
    Dialogs& dialogs = services.dialogs;
    const auto ask = [&](const wchar_t* prompt) {
        return dialogs.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };
    std::wstring value = Stored(store);
    const bool neitherWord = value != kAdminDefault && value != kNoAdminDefault;

    // With no usable stored value and the option off, switching on is offered,
    // so that the option never becomes impossible to enable.
    if (value == kNoAdminDefault || (neitherWord && !checked)) {
        if (!ask(kAskActivate)) return checked;
        const Written written = WriteSwitch(services, OptionSwitch::AdminOn, kTitle);
        if (written == Written::Not) return checked;
        value = Stored(store);
        if (value == kAdminDefault) {
            dialogs.ShowMessage(kActivated, kTitle, BoxStyle::Information);
            return true;
        }
        if (written == Written::ByElevatedCopy) {
            SayNeedsRights(dialogs, kTitle);
            return checked;
        }
    }

    if (value == kAdminDefault || checked) {
        if (!ask(kAskDeactivate)) return checked;
        const Written written = WriteSwitch(services, OptionSwitch::AdminOff, kTitle);
        if (written == Written::Not) return checked;
        if (Stored(store) == kNoAdminDefault) {
            dialogs.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
            return false;
        }
        if (written == Written::ByElevatedCopy) SayNeedsRights(dialogs, kTitle);
    }
    return checked;
}

}  // namespace torvane::settings
