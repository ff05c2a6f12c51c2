#pragma once
#include <cstdint>
#include <string>

#include "platform/Failure.h"

namespace torvane {

// Asking Windows for administrator rights for one run of this program's own
// executable.
class Elevation {
public:
    virtual ~Elevation() = default;
    // Starts this program's executable with the verb "runas" and the
    // arguments, and waits for it to end while the window repaints; its exit
    // code. Fails when it cannot be started: codes::kCancelled when the user
    // declines the prompt.
    virtual Result<std::uint32_t> RunElevated(const std::wstring& arguments) = 0;
    // The system's description of an exit code that such a run reported.
    virtual std::wstring DescribeExitCode(std::uint32_t code) = 0;
};

}  // namespace torvane
