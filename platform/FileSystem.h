#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Failure.h"

namespace torvane {

// How a drive took being searched.
enum class DriveReply {
    Absent,    // missing, not ready or unreachable at once: an empty DVD drive, a link loop
    Answered,  // the search ran to its end
    Stalled,   // stopped answering and was given up
};

// What a search asks of a drive: each call is one question, answered by the
// file system on the drive's own thread.
class DriveQuestions {
public:
    virtual ~DriveQuestions() = default;
    // Whether a folder is there, by its attributes, never by listing it: a
    // junction that refuses listing counts. False only when it is plainly
    // absent: not found, or not a folder.
    virtual Result<bool> Folder(const std::wstring& path) = 0;
    // Looks up an exact path (no wildcards) among the files that the attribute
    // mask admits, never a directory: the name found, or "" when there is no
    // such file. A name the file system rejects, or a drive that has gone
    // meanwhile, fails with code 52.
    virtual Result<std::wstring> File(const std::wstring& path, std::uint32_t attributeMask) = 0;
};

// A search of one drive. It runs on a thread of its own, which may outlive
// the wait for it: whatever it writes, it must share with the caller.
using DriveSearch = std::function<void(DriveQuestions&)>;

// Asked now and then while a drive is searched, with how many questions it
// has answered so far and how long the wait has lasted: whether to wait on.
// False gives the drive up.
using Patience = std::function<bool(std::uint64_t answered, std::chrono::milliseconds waited)>;

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Asks the drive root ("D:\") once and, if it is a folder, runs the search
    // on it. The caller waits no longer than its patience lasts, whatever the
    // drive does.
    virtual DriveReply Search(const std::wstring& root, const DriveSearch& search, const Patience& patience) = 0;
    // The root of the drive Windows runs from, as "C:\".
    virtual std::wstring SystemDrive() = 0;
};

}  // namespace torvane
