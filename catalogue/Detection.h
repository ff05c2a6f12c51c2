#pragma once
#include <array>
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

struct Installed {
    std::array<std::wstring, kEntryCount> paths;  // by catalogue index; "" where not installed
    std::optional<Failure> failure;              // the first one worth telling the user
    std::vector<std::wstring> stalled;           // drives given up, as "D:\"
};

// Looks for every entry's executable at its fixed places, drive by drive, and
// within a drive folder by folder and candidate by candidate: the first found
// wins. Each program-files and vendor folder is asked once, before what lies
// under it, which is asked only when the folder is not plainly absent. A drive
// is waited for as long as it keeps answering (StallRule); one that stops is
// left out and named, one that is absent is left out quietly.
// A bad name (code 52) ends that entry's search quietly; any other failure
// leaves the rest of that drive out of the search and is kept to be told once.
Installed FindInstalled(FileSystem& files, const SearchRoots& roots);

}  // namespace torvane
