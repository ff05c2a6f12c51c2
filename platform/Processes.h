#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace torvane {

struct ProcessEntry {
    std::uint32_t id;
    std::optional<std::wstring> imageName;
    std::optional<std::uint32_t> session;  // none when the system does not tell
};

class Processes {
public:
    virtual ~Processes() = default;
    virtual Result<std::vector<ProcessEntry>> List() = 0;
    // The log-on session this program runs in.
    virtual std::uint32_t OwnSession() = 0;
    // Stops the process if it still runs under the image name it was listed
    // with: an id may have passed to another program since. Whether it
    // stopped is not reported: one that has ended, or that refuses to stop,
    // is no failure.
    virtual void Terminate(std::uint32_t id, const std::wstring& imageName) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace torvane
