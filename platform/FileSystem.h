#pragma once
#include <cstdint>
#include <string>

#include "platform/Failure.h"

namespace torvane {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Looks up one exact path (no wildcards) among the files that the
    // attribute mask admits; never a directory. The name found, or "" when
    // there is no such file. A drive that is missing, not ready or
    // unreachable, or a name the file system rejects, fails with code 52.
    virtual Result<std::wstring> FindFile(const std::wstring& path, std::uint32_t attributeMask) = 0;
    // Whether a drive root ("D:\") can be looked into now: false for a drive
    // that is missing, not ready or unreachable.
    virtual bool DriveAnswers(const std::wstring& root) = 0;
};

}  // namespace torvane
