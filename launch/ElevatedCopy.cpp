#include "launch/ElevatedCopy.h"

#include <array>

#include "catalogue/Catalogue.h"

namespace torvane {
namespace {

struct Task {
    CopyTask task;
    const wchar_t* prefix;
};
constexpr std::array<Task, 2> kTasks{{{CopyTask::Stop, L"/ferma:"}, {CopyTask::StopAndStart, L"/avvia:"}}};

struct CopyFailureText {
    std::uint32_t code;
    const wchar_t* description;
};
constexpr std::array<CopyFailureText, 2> kCopyFailureTexts{{
    {kCopyBadArgument, L"Richiesta non valida per la copia con diritti di amministratore"},
    {kCopyNotInstalled, L"Applicazione non trovata dalla copia con diritti di amministratore"},
}};
constexpr wchar_t kOtherCopyFailure[] = L"Errore della copia con diritti di amministratore";

// SE_ERR_ACCESSDENIED: what ShellExecute with "runas" returns for a declined prompt.
constexpr std::int32_t kShellAccessDenied = 5;

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

Failure CopyFailure(std::uint32_t exitCode) {
    const wchar_t* description = kOtherCopyFailure;
    for (const CopyFailureText& text : kCopyFailureTexts) {
        if (text.code == exitCode) description = text.description;
    }
    return {static_cast<std::int32_t>(exitCode), description};
}

}  // namespace

std::wstring CopyArgument(const CopyRequest& request) {
    for (const Task& task : kTasks) {
        if (task.task == request.task) return task.prefix + std::to_wstring(request.index);
    }
    return {};
}

bool AsksForElevatedStop(std::wstring_view arguments) {
    const std::wstring_view trimmed = Trimmed(arguments);
    return trimmed.starts_with(L"/ferma") || trimmed.starts_with(L"/avvia");
}

std::optional<CopyRequest> ParseCopyArgument(std::wstring_view arguments) {
    for (const Task& task : kTasks) {
        for (std::int16_t index = 0; index < kEntryCount; ++index) {
            const CopyRequest request{task.task, index};
            if (CatalogueEntryAt(index)->stopsStaleProcesses && Trimmed(arguments) == CopyArgument(request)) {
                return request;
            }
        }
    }
    return std::nullopt;
}

Result<Stale> StopStaleProcessesAsPanel(Processes& processes, Elevation& elevation, std::int16_t index,
                                        const std::function<void()>& pumpEvents) {
    const Result<Stale> stopped = StopStaleProcesses(processes, pumpEvents);
    if (!stopped.ok() || stopped.value() == Stale::AllStopped) return stopped;
    const auto exitCode = elevation.RunElevated(CopyArgument({CopyTask::Stop, index}));
    return exitCode.ok() && exitCode.value() == 0 ? Stale::AllStopped : Stale::SomeRunOn;
}

Result<std::int32_t> StartThroughElevatedCopy(Elevation& elevation, std::int16_t index) {
    const auto exitCode = elevation.RunElevated(CopyArgument({CopyTask::StopAndStart, index}));
    if (!exitCode.ok()) {
        if (exitCode.failure().code == codes::kCancelled) return kShellAccessDenied;
        return exitCode.failure();
    }
    if ((exitCode.value() & kCopyFailureBit) != 0) return CopyFailure(exitCode.value());
    return static_cast<std::int32_t>(exitCode.value());
}

}  // namespace torvane
