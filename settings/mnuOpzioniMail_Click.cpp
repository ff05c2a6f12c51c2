#include "app/FrmTorvane.h"

namespace torvane {

// A new mail to the author in the user's mail program; the URL is handed to
// the shell as it stands, blanks included.
void FrmTorvane::mnuOpzioniMail_Click() {
    const std::wstring url = L"mailto:" + contactAddress_ + L"?subject=about Torvane " +
                             std::to_wstring(version_.major) + L"." + std::to_wstring(version_.minor) + L"." +
                             std::to_wstring(version_.revision) + L"&body=  ";
    const std::int32_t code = platform_.shell.Execute(false, L"open", url, std::nullopt);
    if (code <= 32) {
        window_.ShowMessage(L"Impossibile avviare il programma di posta elettronica (" + std::to_wstring(code) + L")",
                           L"Torvane e-mail", BoxStyle::Exclamation);
    }
}

}  // namespace torvane
