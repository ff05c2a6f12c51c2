#include "app/InstanceWindow.h"

#include "app/FrmTorvane.h"

namespace torvane {

std::optional<std::uintptr_t> FindInstanceWindow(const std::vector<TopLevelWindow>& windows,
                                                 const std::wstring& title) {
    for (const auto& window : windows) {
        if (window.title == title) return window.handle;
    }
    for (const auto& window : windows) {
        if (window.title.starts_with(title)) return window.handle;
    }
    return std::nullopt;
}

// Fails with the invalid-call code when no window matches.
FrmTorvane::Go FrmTorvane::ActivateEarlierInstance() {
    Application& application = platform_.application;
    const auto handle = FindInstanceWindow(application.TopLevelWindows(), TitoloFinestra);
    Outcome outcome = handle ? application.Activate(*handle)
                             : Outcome{Failure{codes::kInvalidCall, L"Nessuna finestra con questo titolo"}};
    return outcome ? StartupFailure(*outcome) : Go::On;
}

}  // namespace torvane
