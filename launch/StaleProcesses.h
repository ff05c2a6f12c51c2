#pragma once
#include <functional>

#include "platform/Failure.h"
#include "platform/Processes.h"

namespace torvane {

// Stops every running process of the Texa suites in this log-on session,
// never another user's, waiting after each and letting the window handle its
// events meanwhile. Only a failure to list the processes is returned.
Outcome StopStaleProcesses(Processes& processes, const std::function<void()>& pumpEvents);

}  // namespace torvane
