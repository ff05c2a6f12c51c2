// The commands of the "Opzioni" menu but "Esci".
#include <utility>

#include "app/FrmTorvane.h"
#include "settings/Mail.h"
#include "settings/OptionCommand.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane {

// Runs an option command with launches held off, as during a launch; a
// launch under way stays so afterwards.
void FrmTorvane::ChangeOption(const settings::Option& option) {
    SetBusy(changingOption_, true);
    const bool launching = std::exchange(Occupato, true);
    Application& application = platform_.application;
    const settings::OptionServices services{
        *OggettoShell, dialogs_, platform_.elevation,
        settings::AutoStartCommandLine(application.OwnFolder(), application.ExeBaseName())};
    window_.SetChecked(option.menuId, settings::SwitchOption(option, services, window_.Checked(option.menuId)));
    Occupato = launching;
    SetBusy(changingOption_, false);
}

void FrmTorvane::mnuOpzioniAdmin_Click() { ChangeOption(settings::kRunAsAdministrator); }

void FrmTorvane::mnuOpzioniAvvio_Click() { ChangeOption(settings::kAutoStart); }

void FrmTorvane::mnuOpzioniMail_Click() {
    const std::int32_t code =
        platform_.shell.Execute(false, L"open", settings::MailUrl(contactAddress_, version_), std::nullopt);
    if (code <= 32) {
        dialogs_.ShowMessage(L"Impossibile avviare il programma di posta elettronica (" + std::to_wstring(code) + L")",
                             L"Torvane e-mail", BoxStyle::Exclamation);
    }
}

}  // namespace torvane
