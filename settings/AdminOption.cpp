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

bool SwitchRunAsAdministrator(Registry& store, Dialogs& dialogs, bool checked) {
    const auto ask = [&](const wchar_t* prompt) {
        return dialogs.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };
    std::wstring value = Stored(store);
    const bool neitherWord = value != kAdminDefault && value != kNoAdminDefault;

    // With no usable stored value and the option off, switching on is offered,
    // so that the option never becomes impossible to enable.
    if (value == kNoAdminDefault || (neitherWord && !checked)) {
        if (!ask(kAskActivate)) return checked;
        store.Write(kEsegui, kAdminDefault);
        value = Stored(store);
        if (value == kAdminDefault) {
            dialogs.ShowMessage(kActivated, kTitle, BoxStyle::Information);
            return true;
        }
    }

    if (value == kAdminDefault || checked) {
        if (!ask(kAskDeactivate)) return checked;
        store.Write(kEsegui, kNoAdminDefault);
        if (Stored(store) == kNoAdminDefault) {
            dialogs.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
            return false;
        }
    }
    return checked;
}

}  // namespace torvane::settings
