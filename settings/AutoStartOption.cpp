#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kTitle[] = L"Avvio automatico";
constexpr wchar_t kAskActivate[] = L"Vuoi attivare l'opzione di avvio automatico?   ";
constexpr wchar_t kActivated[] = L"Opzione attivata      ";
constexpr wchar_t kAskDeactivate[] = L"Vuoi disattivare l'opzione di avvio automatico?   ";
constexpr wchar_t kDeactivated[] = L"Opzione disattivata    ";

// An absent value reads as empty; an unreadable one as the caller says.
bool RunValueIsEmpty(Registry& store, bool whenUnreadable) {
    const auto read = store.Read(kRunValue);
    if (read.ok()) return read.value().empty();
    return read.failure().code == codes::kNotFound || whenUnreadable;
}

}  // namespace

bool SwitchAutoStart(Registry& store, Dialogs& dialogs, bool checked, const std::wstring& commandLine) {
    const auto ask = [&](const wchar_t* prompt) {
        return dialogs.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };
    if (!checked) {
        // A value written by someone else is left alone.
        if (!RunValueIsEmpty(store, true) || !ask(kAskActivate)) return false;
        store.Write(kRunValue, commandLine);
        if (RunValueIsEmpty(store, true)) return false;
        dialogs.ShowMessage(kActivated, kTitle, BoxStyle::Information);
        return true;
    }
    if (!ask(kAskDeactivate)) return true;
    store.Write(kRunValue, L"");
    if (!RunValueIsEmpty(store, false)) return true;
    dialogs.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
    return false;
}

}  // namespace torvane::settings
