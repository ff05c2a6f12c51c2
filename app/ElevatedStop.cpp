#include "app/ElevatedStop.h"

#include "app/Installations.h"
#include "launch/ElevatedCopy.h"
#include "launch/Launch.h"

namespace torvane {

// Started with "runas", it runs elevated in the panel's session, and so does
// the application it starts with "open". Its session it reads itself.
std::uint32_t RunElevatedStop(std::wstring_view arguments, Processes& processes, FileSystem& files, Shell& shell) {
    const std::optional<CopyRequest> request = ParseCopyArgument(arguments);
    if (!request) return kCopyBadArgument;
    const auto noWindow = [] {};
    if (request->task == CopyTask::Stop) {
        const Result<Stale> stopped = StopStaleProcesses(processes, noWindow);
        return stopped.ok() && stopped.value() == Stale::AllStopped ? 0 : kCopyStillRunning;
    }
    // Its own search. An elevated process does not see the drive letters that
    // the panel's filtered token mapped: an application found there by the
    // panel may not be found here.
    const std::wstring path = FindApplications(files).paths[static_cast<std::size_t>(request->index)];
    const auto directory = WorkingDirectory(path);
    if (!directory) return kCopyNotInstalled;
    // As the panel's own launch, this one goes on whatever the stop left.
    StopStaleProcesses(processes, noWindow);
    return static_cast<std::uint32_t>(shell.Execute(false, L"open", path, *directory));
}

}  // namespace torvane
