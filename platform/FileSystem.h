#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace torvane {

// How a drive took being looked into.
enum class DriveReply {
    Absent,    // missing, not ready or unreachable at once: an empty DVD drive, a link loop
    Answered,  // every lookup answered
    Stalled,   // stopped answering and was given up
};

// What one drive answered: when it answered, what each lookup found, one per
// path asked, in the order asked.
struct DriveAnswer {
    DriveReply reply = DriveReply::Absent;
    std::vector<Result<std::wstring>> lookups;
};

// Asked now and then while a drive is looked into, with how many questions
// (file-system calls) it has answered so far and how long the wait has lasted:
// whether to wait on. False gives the drive up.
using Patience = std::function<bool(std::uint64_t answered, std::chrono::milliseconds waited)>;

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Asks the drive root ("D:\") once, then looks up each exact path (no
    // wildcards) among the files that the attribute mask admits, never a
    // directory: the name found, or "" when there is no such file. A name the
    // file system rejects, or a drive that has gone meanwhile, fails with code
    // 52. The caller waits no longer than its patience lasts, whatever the
    // drive does.
    virtual DriveAnswer LookUp(const std::wstring& root, const std::vector<std::wstring>& paths,
                               std::uint32_t attributeMask, const Patience& patience) = 0;
    // The root of the drive Windows runs from, as "C:\".
    virtual std::wstring SystemDrive() = 0;
};

}  // namespace torvane
