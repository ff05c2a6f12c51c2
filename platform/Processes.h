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
};

class Processes {
public:
    virtual ~Processes() = default;
    virtual Result<std::vector<ProcessEntry>> List() = 0;
    // A process that no longer exists fails with codes::kObjectGone.
    virtual Outcome Terminate(std::uint32_t id) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace torvane
