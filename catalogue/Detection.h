#pragma once
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "platform/FileSystem.h"

namespace torvane {

// Where the applications are looked for: each drive, and under it each
// program-files folder.
struct SearchRoots {
    std::vector<std::wstring> drives;   // "C:\"
    std::vector<std::wstring> folders;  // "Programmi"
};

// How long a drive may take to answer all that is asked of it: a network
// drive before the network is up, or a disk spinning up, must not hold the
// panel back for longer.
inline constexpr std::chrono::milliseconds kDriveBound{3000};

struct Installed {
    std::array<std::wstring, kEntryCount> paths;  // by catalogue index; "" where not installed
    std::optional<Failure> failure;              // the first one worth telling the user
};

// Looks for every entry's executable at its fixed places, drive by drive, and
// within a drive folder by folder and candidate by candidate: the first found
// wins. A drive that does not answer is left out quietly. A bad name (code
// 52) ends that entry's search quietly; any other failure leaves the rest of
// that drive out of the search and is kept to be told once.
Installed FindInstalled(FileSystem& files, const SearchRoots& roots);

}  // namespace torvane
