#include "catalogue/Detection.h"

namespace torvane {
namespace {

// Read-only, hidden, system and archive files; never directories or labels.
constexpr std::uint32_t kFileAttributes = 1 + 2 + 4 + 32;

}  // namespace

SearchRoots AnsweringRoots(FileSystem& files, const SearchRoots& roots) {
    SearchRoots answering{{}, roots.folders};
    for (const auto& drive : roots.drives) {
        if (files.DriveAnswers(drive)) answering.drives.push_back(drive);
    }
    return answering;
}

Result<std::wstring> FindInstalled(FileSystem& files, const CatalogueEntry& entry, const SearchRoots& roots) {
    // An entry at the drive root is looked for once per drive.
    const std::vector<std::wstring> atRoot{L""};
    const auto& folders = entry.kind == SearchKind::DriveRoot ? atRoot : roots.folders;
    for (const auto& drive : roots.drives) {
        for (const auto& folder : folders) {
            for (const wchar_t* candidate : entry.candidates) {
                if (candidate == nullptr) continue;
                const std::wstring path = InstallPath(entry, candidate, drive, folder);
                const auto found = files.FindFile(path, kFileAttributes);
                if (!found.ok()) return found.failure();
                if (!found.value().empty()) return path;
            }
        }
    }
    return std::wstring();
}

}  // namespace torvane
