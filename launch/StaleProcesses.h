#pragma once
#include <functional>

#include "platform/Failure.h"
#include "platform/Processes.h"

namespace torvane {

// Whether stopping left a stale process running.
enum class Stale { AllStopped, SomeRunOn };

// Stops every running process of the Texa suites in this log-on session,
// never another user's, waiting after each one stopped and letting the window
// handle its events meanwhile. A process that refuses to stop is passed
// over. Only a failure to list the processes is a failure.
Result<Stale> StopStaleProcesses(Processes& processes, const std::function<void()>& pumpEvents);

}  // namespace torvane
