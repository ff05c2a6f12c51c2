#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The width a run of text takes when drawn, in the unit of the width given.
using MeasureText = std::function<int(std::wstring_view)>;

// The lines a button of `width` shows its caption in, one under the other:
// the whole caption where it fits; otherwise broken at the last blank before
// the width is reached, and inside a word only where the word alone is wider.
// The blanks at a break are dropped; leading and double blanks elsewhere stay
// while their line has room for them.
std::vector<std::wstring> BreakCaption(std::wstring_view caption, int width, const MeasureText& measure);

// The caption as it is read out: without its leading and trailing blanks.
std::wstring SpokenCaption(std::wstring_view caption);

}  // namespace torvane
