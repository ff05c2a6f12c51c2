#pragma once
#include <cstdint>
#include <string>

#include "platform/Failure.h"

namespace torvane {

// Administrator rights, and asking Windows for them for one run of this
// program's own executable.
class Elevation {
public:
    virtual ~Elevation() = default;
    // Whether this process runs with administrator rights.
    virtual bool HasAdministratorRights() = 0;
    // Starts this program's executable with the verb "runas" and the
    // arguments, and waits for it to end while the window repaints; its exit
    // code. Fails when it cannot be started: codes::kCancelled when the user
    // declines the prompt.
    virtual Result<std::uint32_t> RunElevated(const std::wstring& arguments) = 0;
};

}  // namespace torvane
