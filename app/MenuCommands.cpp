// The commands of the "Opzioni" menu but "Esci".
#include "app/FrmTorvane.h"
#include "settings/Mail.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane {

void FrmTorvane::mnuOpzioniAdmin_Click() {
    const bool checked = settings::SwitchRunAsAdministrator(*OggettoShell, dialogs_, window_.Checked(CheckItem::Admin));
    window_.SetChecked(CheckItem::Admin, checked);
}

void FrmTorvane::mnuOpzioniAvvio_Click() {
    Application& application = platform_.application;
    const std::wstring commandLine = settings::AutoStartCommandLine(application.OwnFolder(), application.ExeBaseName());
    const bool checked =
        settings::SwitchAutoStart(*OggettoShell, dialogs_, window_.Checked(CheckItem::Avvio), commandLine);
    window_.SetChecked(CheckItem::Avvio, checked);
}

void FrmTorvane::mnuOpzioniMail_Click() {
    const std::int32_t code =
        platform_.shell.Execute(false, L"open", settings::MailUrl(contactAddress_, version_), std::nullopt);
    if (code <= 32) {
        dialogs_.ShowMessage(L"Impossibile avviare il programma di posta elettronica (" + std::to_wstring(code) + L")",
                             L"Torvane e-mail", BoxStyle::Exclamation);
    }
}

}  // namespace torvane
