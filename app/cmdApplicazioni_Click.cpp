#include "app/FrmTorvane.h"
#include "launch/ElevatedCopy.h"
#include "launch/Launch.h"
#include "launch/ResultMessages.h"
#include "settings/ErrorPrompt.h"
#include "settings/Options.h"

namespace torvane {
namespace {

constexpr wchar_t kStaleRunsOn[] = L" - il processo precedente \u00e8 ancora attivo";

}  // namespace

void FrmTorvane::ButtonPressed(std::int16_t index, const Click& click) {
    if (clicks_.Admits(index, click)) cmdApplicazioni_Click(index);
}

// Starts the clicked application through the shell, after stopping stale
// processes where its entry asks for it, and reports the result in the title.
void FrmTorvane::cmdApplicazioni_Click(std::int16_t index) {
    if (Occupato) return;
    SetBusy(Occupato, true);

    const bool asAdministrator = window_.Checked(settings::kRunAsAdministrator.menuId);
    const std::wstring path = index >= 0 && static_cast<std::size_t>(index) < PercorsiApplicazioni.size()
                                  ? PercorsiApplicazioni[static_cast<std::size_t>(index)]
                                  : std::wstring();
    if (path.empty()) {
        SetBusy(Occupato, false);
        return;
    }
    const auto directory = WorkingDirectory(path);
    if (!directory) {
        // No folder to start in: the invalid-call case, which ends silently.
        LaunchTrap({codes::kInvalidCall, L"Chiamata di routine o argomento non validi"});
        return;
    }

    const CatalogueEntry* entry = CatalogueEntryAt(index);
    const bool stopsStale = entry != nullptr && entry->stopsStaleProcesses;
    // As administrator, the elevated copy does both, stopping and starting.
    const bool throughCopy = stopsStale && asAdministrator;
    const auto pump = [this] { window_.PumpEvents(); };
    bool staleRunsOn = false;
    if (stopsStale && !throughCopy) {
        const Result<Stale> stopped = StopStaleProcessesAsPanel(platform_.processes, platform_.elevation, index, pump);
        if (stopped.ok()) {
            staleRunsOn = stopped.value() == Stale::SomeRunOn;
        } else if (LaunchTrap(stopped.failure()) == Trap::End) {
            return;
        }
    }

    dialogs_.Beep();
    window_.PumpEvents();
    const Result<std::int32_t> code =
        throughCopy ? StartThroughElevatedCopy(platform_.elevation, index)
                    : platform_.shell.Execute(true, asAdministrator ? L"runas" : L"open", path, *directory);
    window_.PumpEvents();
    if (!code.ok()) {
        dialogs_.ShowMessage(ErrorPrompt(code.failure()), L"CMDApplicazioni", BoxStyle::Critical);
        SetBusy(Occupato, false);
        return;
    }
    ReportLaunch(code.value(), staleRunsOn ? kStaleRunsOn : L"");
}

// The result in the title, the panel behind the application it started.
void FrmTorvane::ReportLaunch(std::int32_t code, const std::wstring& note) {
    const std::wstring title = window_.Title();
    const std::wstring message = MessaggioRisultato(code);
    window_.SetTitle(title + L" - " + std::to_wstring(code) + L"  " + message + note);
    window_.SendToBottom();
    SetBusy(Occupato, false);
    window_.PumpEvents();
}

// The launch's failure handling. The busy flag stays set while the launch
// goes on, so that a click during the rest of it cannot start a second one.
FrmTorvane::Trap FrmTorvane::LaunchTrap(const Failure& failure) {
    switch (failure.code) {
        case codes::kObjectGone:
            return Trap::Continue;
        case codes::kInvalidCall:
            SetBusy(Occupato, false);
            return Trap::End;
        default:
            dialogs_.ShowMessage(ErrorPrompt(failure), L"CMDApplicazioni", BoxStyle::Critical);
            return Trap::Continue;
    }
}

// A code outside the table is shown in a box of its own and yields "".
std::wstring FrmTorvane::MessaggioRisultato(std::int32_t code) {
    if (auto message = ResultMessage(code)) return *message;
    dialogs_.ShowMessage(L"Return value = " + std::to_wstring(code), L"Return value", BoxStyle::Information);
    return L"";
}

}  // namespace torvane
