#include <algorithm>
#include <array>

#include "app/FrmTorvane.h"

namespace torvane {
namespace {

// Compared whole and with their exact letter case.
constexpr std::array<const wchar_t*, 5> kStaleNames{
    L"start4.exe", L"start5.exe", L"autodia16.exe", L"Mstart5.exe", L"mstart.exe"};
constexpr std::uint32_t kWaitAfterStop = 1600;

bool IsStale(const std::optional<std::wstring>& imageName) {
    return imageName && std::any_of(kStaleNames.begin(), kStaleNames.end(),
                                     [&](const wchar_t* name) { return *imageName == name; });
}

}  // namespace

// Before a Texa sector program starts, stops every process of the suites that
// is still running. A failure ends the stopping and goes to the caller.
Outcome FrmTorvane::TerminaProcessi(std::int16_t index) {
    const CatalogueEntry* entry = CatalogueEntryAt(index);
    if (entry == nullptr || !entry->stopsStaleProcesses) return std::nullopt;

    Processes& processes = platform_.processes;
    const auto running = processes.List();
    if (!running.ok()) return running.failure();
    for (const ProcessEntry& process : running.value()) {
        if (!IsStale(process.imageName)) continue;
        if (Outcome failed = processes.Terminate(process.id)) return failed;
        processes.Sleep(kWaitAfterStop);
        window_.PumpEvents();
    }
    window_.PumpEvents();
    return std::nullopt;
}

}  // namespace torvane
