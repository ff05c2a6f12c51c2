#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "launch/StaleProcesses.h"
#include "platform/Elevation.h"

namespace torvane {

// A copy of the program started with administrator rights stops the stale
// processes that refuse the panel ("/ferma:N"), or stops them and then starts
// the application ("/avvia:N"), for entry N of the catalogue, one that stops
// stale processes. The copy finds the processes, its session and the path
// itself: the command line names nothing else.
enum class CopyTask { Stop, StopAndStart };

struct CopyRequest {
    CopyTask task;
    std::int16_t index;
    bool operator==(const CopyRequest&) const = default;
};

std::wstring CopyArgument(const CopyRequest& request);

// Whether a command line is meant for this copy at all; otherwise the
// program is the panel.
bool AsksForElevatedStop(std::wstring_view arguments);

// The request a command line names: exactly one known argument, blanks
// around it aside.
std::optional<CopyRequest> ParseCopyArgument(std::wstring_view arguments);

// The copy's exit codes for its own failures. Bit 29 is the customer bit,
// which no system error, HRESULT or shell result sets: "/avvia" ends with the
// shell's result code, and these stay apart from it.
inline constexpr std::uint32_t kCopyFailureBit = 0x20000000;
inline constexpr std::uint32_t kCopyBadArgument = kCopyFailureBit | 1;   // nothing done
inline constexpr std::uint32_t kCopyNotInstalled = kCopyFailureBit | 2;  // its search found no application
inline constexpr std::uint32_t kCopyStillRunning = kCopyFailureBit | 3;  // "/ferma" left one running

// The panel's stop before a launch. Processes it lacks the rights for (one
// started as administrator) are left to the copy, asked once; declined, or
// failing, it is asked nothing more and they run on.
Result<Stale> StopStaleProcessesAsPanel(Processes& processes, Elevation& elevation, std::int16_t index,
                                        const std::function<void()>& pumpEvents);

// The launch as administrator of an entry that stops stale processes: one
// elevated step, so one UAC prompt, stops them and starts the application.
// The shell's result code, 5 when the prompt is declined, as "runas"
// reports it; a failure when the copy did not start or did not get as far
// as the shell.
Result<std::int32_t> StartThroughElevatedCopy(Elevation& elevation, std::int16_t index);

}  // namespace torvane
