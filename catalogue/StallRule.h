#pragma once
#include <chrono>
#include <cstdint>

namespace torvane {

// How long a drive that has stopped answering is still waited for. Windows'
// default power plan spins a hard disk down after 20 idle minutes, and the
// next lookup waits for the spin-up: up to about 10 s for some disks and USB
// enclosures, while the root may answer at once from the cache. A network
// drive whose server has gone never answers again.
inline constexpr std::chrono::milliseconds kStallLimit{12000};
// The drive Windows runs from is busiest at log-on, when the panel starts
// automatically, and holds most installations: it gets longer, still bounded.
inline constexpr std::chrono::milliseconds kSystemDriveStallLimit{60000};

// Waits on a drive for as long as it keeps answering, however slowly: gives it
// up once its count of answers has not moved for the limit.
class StallRule {
public:
    explicit StallRule(std::chrono::milliseconds limit) : limit_(limit) {}
    // Whether to wait on, told how many questions the drive has answered after
    // how long a wait.
    bool operator()(std::uint64_t answered, std::chrono::milliseconds waited);

private:
    std::chrono::milliseconds limit_;
    std::uint64_t answered_ = 0;
    std::chrono::milliseconds lastAnswer_{0};
};

}  // namespace torvane
