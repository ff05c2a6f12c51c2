#include "catalogue/Detection.h"

#include <map>
#include <memory>

#include "catalogue/StallRule.h"

namespace torvane {
namespace {

// Read-only, hidden, system and archive files; never directories or labels.
constexpr std::uint32_t kFileAttributes = 1 + 2 + 4 + 32;

// What the search of one drive found. Shared with the drive's thread, which
// may go on writing here after the drive has been given up.
struct Findings {
    std::array<bool, kEntryCount> settled{};  // found, or its search ended
    std::array<std::wstring, kEntryCount> paths;
    std::optional<Failure> failure;
};

// Folders asked once each, however many entries lie under them. Only a
// folder plainly absent answers no; one that cannot be told has its paths
// asked all the same, as if it were there.
class FolderCache {
public:
    explicit FolderCache(DriveQuestions& drive) : drive_(drive) {}
    bool MayHold(const std::wstring& folder) {
        const auto [known, asked] = there_.try_emplace(folder, true);
        if (asked) {
            const Result<bool> answer = drive_.Folder(folder);
            known->second = !answer.ok() || answer.value();
        }
        return known->second;
    }

private:
    DriveQuestions& drive_;
    std::map<std::wstring, bool> there_;
};

// The vendor's folder of a path under `base` (a drive root or a program-files
// folder): up to the backslash after the first name beyond it.
std::wstring VendorFolder(const std::wstring& path, const std::wstring& base) {
    return path.substr(0, path.find(L'\\', base.size() + 1));
}

enum class Next { Entry, Drive };

// Where one entry may be on the drive, folder by folder and candidate by
// candidate: the first found wins. A bad name (code 52) ends the entry's
// search quietly; any other failure ends the drive's, and is kept.
Next SearchEntry(std::size_t index, const std::wstring& drive, const std::vector<std::wstring>& folders,
                 DriveQuestions& questions, FolderCache& folderCache, Findings& findings) {
    const CatalogueEntry& entry = Catalogue()[index];
    static const std::vector<std::wstring> kAtRoot{L""};  // looked for once per drive
    for (const auto& folder : entry.kind == SearchKind::DriveRoot ? kAtRoot : folders) {
        const std::wstring base = folder.empty() ? drive : drive + folder;
        if (!folder.empty() && !folderCache.MayHold(base)) continue;
        for (const wchar_t* candidate : entry.candidates) {
            if (candidate == nullptr) continue;
            const std::wstring path = InstallPath(entry, candidate, drive, folder);
            if (!folderCache.MayHold(VendorFolder(path, base))) continue;
            const Result<std::wstring> found = questions.File(path, kFileAttributes);
            if (!found.ok() && found.failure().code == codes::kBadFileName) {
                findings.settled[index] = true;
                return Next::Entry;
            }
            if (!found.ok()) {
                findings.failure = found.failure();
                return Next::Drive;
            }
            if (!found.value().empty()) {
                findings.paths[index] = path;
                findings.settled[index] = true;
                return Next::Entry;
            }
        }
    }
    return Next::Entry;
}

}  // namespace

Installed FindInstalled(FileSystem& files, const SearchRoots& roots) {
    Installed installed;
    std::array<bool, kEntryCount> settled{};
    const std::wstring systemDrive = files.SystemDrive();
    for (const auto& drive : roots.drives) {
        auto findings = std::make_shared<Findings>();
        findings->settled = settled;
        const DriveSearch search = [findings, drive, folders = roots.folders](DriveQuestions& questions) {
            FolderCache folderCache(questions);
            for (std::size_t i = 0; i < kEntryCount; ++i) {
                if (findings->settled[i]) continue;
                if (SearchEntry(i, drive, folders, questions, folderCache, *findings) == Next::Drive) return;
            }
        };
        const StallRule patience(drive == systemDrive ? kSystemDriveStallLimit : kStallLimit);
        const DriveReply reply = files.Search(drive, search, patience);
        if (reply == DriveReply::Stalled) installed.stalled.push_back(drive);
        if (reply != DriveReply::Answered) continue;
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            if (!findings->paths[i].empty()) installed.paths[i] = findings->paths[i];
        }
        settled = findings->settled;
        if (!installed.failure) installed.failure = findings->failure;
    }
    return installed;
}

}  // namespace torvane
