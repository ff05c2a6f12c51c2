#include "catalogue/Detection.h"

#include "catalogue/StallRule.h"

namespace torvane {
namespace {

// Read-only, hidden, system and archive files; never directories or labels.
constexpr std::uint32_t kFileAttributes = 1 + 2 + 4 + 32;

struct Place {
    std::size_t entry;
    std::wstring path;
};

// Every place on a drive where an entry not yet settled may be, in search order.
std::vector<Place> PlacesOnDrive(const std::wstring& drive, const std::vector<std::wstring>& folders,
                                 const std::array<bool, kEntryCount>& settled) {
    // An entry at the drive root is looked for once per drive.
    const std::vector<std::wstring> atRoot{L""};
    std::vector<Place> places;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (settled[i]) continue;
        const CatalogueEntry& entry = Catalogue()[i];
        for (const auto& folder : entry.kind == SearchKind::DriveRoot ? atRoot : folders) {
            for (const wchar_t* candidate : entry.candidates) {
                if (candidate != nullptr) places.push_back({i, InstallPath(entry, candidate, drive, folder)});
            }
        }
    }
    return places;
}

}  // namespace

Installed FindInstalled(FileSystem& files, const SearchRoots& roots) {
    Installed installed;
    std::array<bool, kEntryCount> settled{};  // found, or its search ended
    const std::wstring systemDrive = files.SystemDrive();
    for (const auto& drive : roots.drives) {
        const std::vector<Place> places = PlacesOnDrive(drive, roots.folders, settled);
        std::vector<std::wstring> paths;
        for (const Place& place : places) paths.push_back(place.path);
        const StallRule patience(drive == systemDrive ? kSystemDriveStallLimit : kStallLimit);
        const DriveAnswer answer = files.LookUp(drive, paths, kFileAttributes, patience);
        if (answer.reply == DriveReply::Stalled) installed.stalled.push_back(drive);
        if (answer.reply != DriveReply::Answered) continue;
        for (std::size_t k = 0; k < places.size(); ++k) {
            const Place& place = places[k];
            if (settled[place.entry]) continue;
            const Result<std::wstring>& found = answer.lookups[k];
            if (!found.ok() && found.failure().code == codes::kBadFileName) {
                settled[place.entry] = true;
                continue;
            }
            if (!found.ok()) {
                if (!installed.failure) installed.failure = found.failure();
                break;
            }
            if (!found.value().empty()) {
                installed.paths[place.entry] = place.path;
                settled[place.entry] = true;
            }
        }
    }
    return installed;
}

}  // namespace torvane
