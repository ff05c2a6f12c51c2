#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kTitle[] = L"Avvio automatico";
constexpr wchar_t kAskActivate[] = L"Vuoi attivare l'opzione di avvio automatico?   ";
constexpr wchar_t kActivated[] = L"Opzione attivata      ";
constexpr wchar_t kAskDeactivate[] = L"Vuoi disattivare l'opzione di avvio automatico?   ";
constexpr wchar_t kDeactivated[] = L"Opzione disattivata    ";

// The Run value; an absent one reads as empty, an unreadable one as nothing.
std::optional<std::wstring> RunValue(Registry& store) {
    const auto read = store.Read(kRunValue);
    if (read.ok()) return read.value();
    return read.failure().code == codes::kNotFound ? std::optional(std::wstring()) : std::nullopt;
}

// Whether Windows starts the program at log-on: a Run value that Task
// Manager has not switched off.
bool StartsAtLogOn(Registry& store) {
    const auto value = RunValue(store);
    return value && !value->empty() && !SwitchedOffByWindows(store);
}

}  // namespace

bool SwitchAutoStart(const OptionServices& services, bool checked) {
    Registry& store = services.store;
    Dialogs& dialogs = services.dialogs;
    const auto ask = [&](const wchar_t* prompt) {
        return dialogs.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };
    if (!checked) {
        // A value written by someone else, and in force, is left alone.
        if (StartsAtLogOn(store) || !ask(kAskActivate)) return false;
        const Written written = WriteSwitch(services, OptionSwitch::AutoStartOn, kTitle);
        if (written == Written::Not) return false;
        // This user's own record is the panel's to switch: an elevated copy
        // may run as another user, an administrator who gave the rights.
        SwitchOnRecord(store, StartRecord::User);
        if (StartsAtLogOn(store)) {
            dialogs.ShowMessage(kActivated, kTitle, BoxStyle::Information);
            return true;
        }
        if (written == Written::ByElevatedCopy) SayNeedsRights(dialogs, kTitle);
        return false;
    }
    if (!ask(kAskDeactivate)) return true;
    // Task Manager's records are left as they are: Windows keeps them.
    const Written written = WriteSwitch(services, OptionSwitch::AutoStartOff, kTitle);
    if (written == Written::Not) return true;
    if (RunValue(store) == L"") {
        dialogs.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
        return false;
    }
    if (written == Written::ByElevatedCopy) SayNeedsRights(dialogs, kTitle);
    return true;
}

}  // namespace torvane::settings
