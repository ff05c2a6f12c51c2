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
    std::uint32_t session;
};

// What asking to stop a process came to.
enum class Termination {
    Stopped,
    Gone,     // it had ended, or its id now belongs to another program
    Refused,  // it runs on: this program lacks the rights to stop it
};

class Processes {
public:
    virtual ~Processes() = default;
    // Every process of the machine with its log-on session, whoever runs it
    // and with whatever rights.
    virtual Result<std::vector<ProcessEntry>> List() = 0;
    // The log-on session this program runs in.
    virtual std::uint32_t OwnSession() = 0;
    // Stops the process if it still runs under the image name it was listed
    // with: an id may have passed to another program since.
    virtual Termination Terminate(std::uint32_t id, const std::wstring& imageName) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace torvane
