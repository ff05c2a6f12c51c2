#pragma once
#include <array>
#include <cstdint>
#include <span>

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

inline constexpr int kEntryCount = 21;
inline constexpr int kButtonCount = 24;  // elements 21 to 23 are placeholders
inline constexpr wchar_t kPlaceholderCaption[] = L"...";

std::span<const CatalogueEntry, kEntryCount> Catalogue();

// The entry of a catalogue index, or null for any index outside 0 to 20.
const CatalogueEntry* CatalogueEntryAt(std::int16_t index);

}  // namespace torvane
