#include "launch/StaleProcesses.h"

#include <algorithm>
#include <array>

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

Result<Stale> StopStaleProcesses(Processes& processes, const std::function<void()>& pumpEvents) {
    const auto running = processes.List();
    if (!running.ok()) return running.failure();
    // Another user logged on to this PC may be working with them.
    const std::uint32_t ownSession = processes.OwnSession();
    Stale left = Stale::AllStopped;
    for (const ProcessEntry& process : running.value()) {
        if (!IsStale(process.imageName) || process.session != ownSession) continue;
        switch (processes.Terminate(process.id, *process.imageName)) {
            case Termination::Stopped:
                processes.Sleep(kWaitAfterStop);
                pumpEvents();
                break;
            case Termination::Refused:
                left = Stale::SomeRunOn;
                break;
            case Termination::Gone:
                break;
        }
    }
    pumpEvents();
    return left;
}

}  // namespace torvane
