#include "platform/Caption.h"

#include <algorithm>

namespace torvane {
namespace {

constexpr auto kNone = std::wstring_view::npos;

// Where the longest first line of `text` that fits ends, at the blank that
// follows it; kNone where even the first word is too wide.
std::size_t LastFittingBreak(std::wstring_view text, int width, const MeasureText& measure) {
    std::size_t found = kNone;
    for (std::size_t blank = text.find(L' '); blank != kNone; blank = text.find(L' ', blank + 1)) {
        // Only the first blank of a run ends a line, and a line is more than blanks.
        if (blank == 0 || text[blank - 1] == L' ') continue;
        if (measure(text.substr(0, blank)) > width) break;
        found = blank;
    }
    return found;
}

}  // namespace

std::vector<std::wstring> BreakCaption(std::wstring_view caption, int width, const MeasureText& measure) {
    std::vector<std::wstring> lines;
    std::wstring_view rest = caption;
    while (!rest.empty() && measure(rest) > width) {
        std::size_t end = LastFittingBreak(rest, width, measure);
        if (end == kNone && rest.front() == L' ') {
            // The leading blanks are what does not fit: the line goes without them.
            rest.remove_prefix(std::min(rest.find_first_not_of(L' '), rest.size()));
            continue;
        }
        if (end == kNone) {
            // One word wider than the button: as many of its characters as fit, one at least.
            for (end = 1; end < rest.size() && measure(rest.substr(0, end + 1)) <= width;) ++end;
        }
        lines.emplace_back(rest.substr(0, end));
        const std::size_t next = rest.find_first_not_of(L' ', end);
        if (next == kNone) return lines;
        rest.remove_prefix(next);
    }
    lines.emplace_back(rest);
    return lines;
}

std::wstring SpokenCaption(std::wstring_view caption) {
    const std::size_t first = caption.find_first_not_of(L' ');
    if (first == kNone) return {};
    return std::wstring(caption.substr(first, caption.find_last_not_of(L' ') - first + 1));
}

}  // namespace torvane
