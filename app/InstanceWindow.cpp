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

// The earlier instance may still be starting, its window not made yet: it
// is waited for a little, not for as long as it may wait on its drives.
// Fails with the invalid-call code when no window matches by then.
FrmTorvane::Go FrmTorvane::ActivateEarlierInstance() {
    constexpr std::uint32_t kLookAgain = 100;    // milliseconds
    constexpr std::uint32_t kWaitAtMost = 3000;  // a mechanic who clicked twice is not kept waiting longer
    Application& application = platform_.application;
    std::optional<std::uintptr_t> handle;
    for (std::uint32_t waited = 0;; waited += kLookAgain) {
        handle = FindInstanceWindow(application.TopLevelWindows(), TitoloFinestra);
        if (handle || waited >= kWaitAtMost) break;
        platform_.processes.Sleep(kLookAgain);
    }
    Outcome outcome = handle ? application.Activate(*handle)
                             : Outcome{Failure{codes::kInvalidCall, L"Nessuna finestra con questo titolo"}};
    return outcome ? StartupFailure(*outcome) : Go::On;
}

}  // namespace torvane
