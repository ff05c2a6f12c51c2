#pragma once
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

// The roots with only the drives that answer now, each asked once: a drive
// that is missing, not ready or unreachable is not searched at all.
SearchRoots AnsweringRoots(FileSystem& files, const SearchRoots& roots);

// Looks for an entry's executable at its fixed places, in order; the first
// found wins. The path as built from root and candidate, "" when there is
// none, or the failure that ended the search.
Result<std::wstring> FindInstalled(FileSystem& files, const CatalogueEntry& entry, const SearchRoots& roots);

}  // namespace torvane
