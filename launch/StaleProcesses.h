#pragma once
#include <functional>

#include "platform/Failure.h"
#include "platform/Processes.h"

namespace torvane {

// Stops every running process of the Texa suites, waiting after each and
// letting the window handle its events meanwhile. A failure ends the
// stopping and is returned.
Outcome StopStaleProcesses(Processes& processes, const std::function<void()>& pumpEvents);

}  // namespace torvane
