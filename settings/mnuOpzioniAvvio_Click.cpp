#include "app/FrmTorvane.h"
#include "settings/SettingsStore.h"

namespace torvane {
namespace {

constexpr wchar_t kTitle[] = L"Avvio automatico";
constexpr wchar_t kAskActivate[] = L"Vuoi attivare l'opzione di avvio automatico?   ";
constexpr wchar_t kActivated[] = L"Opzione attivata      ";
constexpr wchar_t kAskDeactivate[] = L"Vuoi disattivare l'opzione di avvio automatico?   ";
constexpr wchar_t kDeactivated[] = L"Opzione disattivata    ";

}  // namespace

// Switches the start at log-on on or off through the machine's Run value. The
// check mark decides; registry failures pass silently, and a change is
// confirmed only when the value read back shows it.
void FrmTorvane::mnuOpzioniAvvio_Click() {
    const auto ask = [&](const wchar_t* prompt) {
        return window_.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };
    // An absent value reads as empty; an unreadable one as the caller says.
    const auto runValueIsEmpty = [&](bool whenUnreadable) {
        const auto read = OggettoShell->Read(settings::kRunValue);
        if (read.ok()) return read.value().empty();
        return read.failure().code == codes::kNotFound || whenUnreadable;
    };

    if (!window_.Checked(CheckItem::Avvio)) {
        // A value written by someone else is left alone.
        if (!runValueIsEmpty(true)) return;
        if (!ask(kAskActivate)) return;
        Application& application = platform_.application;
        OggettoShell->Write(settings::kRunValue,
                            settings::AutoStartCommandLine(application.OwnFolder(), application.ExeBaseName()));
        if (runValueIsEmpty(true)) return;
        window_.SetChecked(CheckItem::Avvio, true);
        window_.ShowMessage(kActivated, kTitle, BoxStyle::Information);
        return;
    }

    if (!ask(kAskDeactivate)) return;
    OggettoShell->Write(settings::kRunValue, L"");
    if (!runValueIsEmpty(false)) return;
    window_.SetChecked(CheckItem::Avvio, false);
    window_.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
}

}  // namespace torvane
