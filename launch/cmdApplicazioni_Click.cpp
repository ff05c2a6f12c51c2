#include "app/FrmTorvane.h"
#include "launch/Launch.h"

namespace torvane {

std::optional<std::wstring> WorkingDirectory(const std::wstring& applicationPath) {
    const auto lastBackslash = applicationPath.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return std::nullopt;
    return applicationPath.substr(0, lastBackslash);
}

// Starts the clicked application through the shell, after stopping stale
// processes where its entry asks for it, and reports the result in the title.
void FrmTorvane::cmdApplicazioni_Click(std::int16_t index) {
    if (Occupato) return;
    Occupato = true;

    const std::wstring verb = window_.Checked(CheckItem::Admin) ? L"runas" : L"open";
    const std::wstring path = index >= 0 && static_cast<std::size_t>(index) < PercorsiApplicazioni.size()
                                  ? PercorsiApplicazioni[static_cast<std::size_t>(index)]
                                  : std::wstring();
    if (path.empty()) {
        Occupato = false;
        return;
    }
    const auto directory = WorkingDirectory(path);
    if (!directory) {
        // No folder to start in: the invalid-call case, which ends silently.
        LaunchTrap({codes::kInvalidCall, L"Chiamata di routine o argomento non validi"});
        return;
    }

    if (Outcome failed = TerminaProcessi(index)) {
        if (LaunchTrap(*failed) == Trap::End) return;
    }

    window_.Beep();
    window_.PumpEvents();
    const std::int32_t code = platform_.shell.Execute(true, verb, path, *directory);
    window_.PumpEvents();

    const std::wstring title = window_.Title();
    const std::wstring message = MessaggioRisultato(code);
    window_.SetTitle(title + L" - " + std::to_wstring(code) + L"  " + message);
    window_.SendToBottom();
    Occupato = false;
    window_.PumpEvents();
}

// The launch's failure handling. The busy flag stays set while the launch
// goes on, so that a click during the rest of it cannot start a second one.
FrmTorvane::Trap FrmTorvane::LaunchTrap(const Failure& failure) {
    switch (failure.code) {
        case codes::kObjectGone:
            return Trap::Continue;
        case codes::kInvalidCall:
            Occupato = false;
            return Trap::End;
        default:
            window_.ShowMessage(L"Errore " + std::to_wstring(failure.code) + L"  " + failure.description,
                               L"CMDApplicazioni", BoxStyle::Critical);
            return Trap::Continue;
    }
}

}  // namespace torvane
