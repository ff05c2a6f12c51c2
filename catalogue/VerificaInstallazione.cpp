#include "app/FrmTorvane.h"

namespace torvane {
namespace {

// Read-only, hidden, system and archive files; never directories or labels.
constexpr std::uint32_t kFileAttributes = 1 + 2 + 4 + 32;

}  // namespace

// Looks for the entry's executable at its fixed places, first found wins, and
// records the path as built from root and candidate.
bool FrmTorvane::VerificaInstallazione(std::int16_t index) {
    const CatalogueEntry* entry = CatalogueEntryAt(index);
    if (entry == nullptr) return false;

    std::vector<std::wstring> roots;
    for (const auto& drive : Dischi) {
        if (entry->kind == SearchKind::DriveRoot) {
            roots.push_back(drive);
            continue;
        }
        for (const auto& folder : CartelleProgrammi) roots.push_back(drive + folder);
    }

    for (const auto& root : roots) {
        for (const wchar_t* candidate : entry->candidates) {
            if (candidate == nullptr) continue;
            const std::wstring path = root + candidate;
            const auto found = platform_.files.FindFile(path, kFileAttributes);
            if (!found.ok()) {
                const Failure& failure = found.failure();
                if (failure.code != codes::kBadFileName) {
                    window_.ShowMessage(L"Errore " + std::to_wstring(failure.code) + L"  " + failure.description,
                                       L"Torvane", BoxStyle::Critical);
                }
                return false;
            }
            if (!found.value().empty()) {
                PercorsiApplicazioni[static_cast<std::size_t>(index)] = path;
                return true;
            }
        }
    }
    return false;
}

}  // namespace torvane
