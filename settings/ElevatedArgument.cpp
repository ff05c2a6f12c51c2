#include "settings/ElevatedArgument.h"

#include "settings/Options.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kSwitchPrefix[] = L"/opzione";

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

}  // namespace

std::wstring ElevatedArgument(const Change& change) {
    return std::wstring(kSwitchPrefix) + L":" + change.option->argumentWord + (change.on ? L"=si" : L"=no");
}

bool AsksForElevatedWrite(std::wstring_view arguments) { return Trimmed(arguments).starts_with(kSwitchPrefix); }

std::optional<Change> ParseElevatedArgument(std::wstring_view arguments) {
    for (const Option* option : kOptions) {
        for (const bool on : {true, false}) {
            const Change change{option, on};
            if (Trimmed(arguments) == ElevatedArgument(change)) return change;
        }
    }
    return std::nullopt;
}

}  // namespace torvane::settings
