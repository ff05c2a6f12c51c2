#include "app/FrmTorvane.h"
#include "settings/SettingsStore.h"

namespace torvane {
namespace {

constexpr wchar_t kTitle[] = L"Esegui come amministratore";
constexpr wchar_t kAskActivate[] = L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ";
constexpr wchar_t kActivated[] = L"Opzione attivata.      ";
constexpr wchar_t kAskDeactivate[] = L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ";
constexpr wchar_t kDeactivated[] = L"Opzione disattivata.     ";

}  // namespace

// Switches elevated launching on or off. The stored value decides; the check
// mark only when the value is neither text. Registry failures pass silently,
// and a change is confirmed only when the value read back shows it.
void FrmTorvane::mnuOpzioniAdmin_Click() {
    using namespace settings;
    std::wstring value;
    const auto readInto = [&] {
        if (auto read = OggettoShell->Read(kEsegui); read.ok()) value = read.value();
    };
    const auto ask = [&](const wchar_t* prompt) {
        return window_.ShowMessage(prompt, kTitle, BoxStyle::Question) == Answer::Yes;
    };

    readInto();
    const bool neitherText = value != kAdminDefault && value != kNoAdminDefault;

    // With no usable stored value and the option off, switching on is offered,
    // so that the option never becomes impossible to enable.
    if (value == kNoAdminDefault || (neitherText && !window_.Checked(CheckItem::Admin))) {
        if (!ask(kAskActivate)) return;
        OggettoShell->Write(kEsegui, kAdminDefault);
        readInto();
        if (value == kAdminDefault) {
            window_.SetChecked(CheckItem::Admin, true);
            window_.ShowMessage(kActivated, kTitle, BoxStyle::Information);
            return;
        }
    }

    if (value == kAdminDefault || window_.Checked(CheckItem::Admin)) {
        if (!ask(kAskDeactivate)) return;
        OggettoShell->Write(kEsegui, kNoAdminDefault);
        readInto();
        if (value == kNoAdminDefault) {
            window_.SetChecked(CheckItem::Admin, false);
            window_.ShowMessage(kDeactivated, kTitle, BoxStyle::Information);
        }
    }
}

}  // namespace torvane
