#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace torvane {

// The program's own version numbers.
struct Version {
    int major, minor, revision;
};

struct TopLevelWindow {
    std::uintptr_t handle;
    std::wstring title;
};

// What the program needs to know about itself and its siblings.
class Application {
public:
    virtual ~Application() = default;
    virtual bool AnotherInstanceRunning() = 0;
    // Lets the next start run as the first instance.
    virtual void ReleaseInstance() = 0;
    virtual std::vector<TopLevelWindow> TopLevelWindows() = 0;
    virtual Outcome Activate(std::uintptr_t handle) = 0;
    // The folder of the running executable, as the system reports it.
    virtual std::wstring OwnFolder() = 0;
    // The executable's file name without its extension.
    virtual std::wstring ExeBaseName() = 0;
};

}  // namespace torvane
