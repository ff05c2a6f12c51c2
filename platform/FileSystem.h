#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace torvane {

// What one drive answered: whether it could be looked into in the time
// allowed and, if it could, what each lookup found: one per path asked, in
// the order asked.
struct DriveAnswer {
    bool answers = false;
    std::vector<Result<std::wstring>> lookups;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Asks the drive root ("D:\") once, then looks up each exact path (no
    // wildcards) among the files that the attribute mask admits, never a
    // directory: the name found, or "" when there is no such file. A name the
    // file system rejects, or a drive that has gone meanwhile, fails with code
    // 52. A drive that is missing, not ready or unreachable, or that has not
    // answered everything within the bound, does not answer: the caller never
    // waits longer than that, whatever the drive does.
    virtual DriveAnswer LookUp(const std::wstring& root, const std::vector<std::wstring>& paths,
                               std::uint32_t attributeMask, std::chrono::milliseconds bound) = 0;
};

}  // namespace torvane
