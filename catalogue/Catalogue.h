#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace torvane {

enum class SearchKind {
    ProgramFiles,  // candidate appended to each program-files folder
    DriveRoot,     // candidate appended directly to each drive root
};

struct CatalogueEntry {
    const wchar_t* caption;
    const wchar_t* tooltip;
    int iconPixels;  // designed icon size, square, at 96 DPI
    SearchKind kind;
    std::array<const wchar_t*, 2> candidates;  // tried in order; the second may be null
    bool stopsStaleProcesses;
};

// The entries of the table in Catalogue.cpp, which checks this count. Each entry's icon is
// resources/icons/entryNN.ico by index; the build writes their resource lines from the table.
inline constexpr int kEntryCount = 21;
inline constexpr int kButtonCount = 24;  // the elements from kEntryCount on are placeholders
static_assert(kEntryCount <= kButtonCount, "every entry needs a button: add buttons to the panel's design");
inline constexpr wchar_t kPlaceholderCaption[] = L"...";

std::span<const CatalogueEntry, kEntryCount> Catalogue();

// The entry of a catalogue index, or null for any index outside 0 to kEntryCount - 1.
const CatalogueEntry* CatalogueEntryAt(std::int16_t index);

// Where a candidate of the entry is installed on a drive ("C:\"), under a
// program-files folder ("Programmi") unless the entry lives at the root.
std::wstring InstallPath(const CatalogueEntry& entry, const wchar_t* candidate, const std::wstring& drive,
                         const std::wstring& folder);

}  // namespace torvane
