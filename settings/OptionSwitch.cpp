#include "settings/OptionSwitch.h"

#include <array>

#include "settings/ErrorPrompt.h"
#include "settings/SettingsStore.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kSwitchPrefix[] = L"/opzione";

struct Argument {
    OptionSwitch change;
    const wchar_t* text;
};
constexpr std::array<Argument, 4> kArguments{{
    {OptionSwitch::AutoStartOn, L"/opzione:avvio=si"},
    {OptionSwitch::AutoStartOff, L"/opzione:avvio=no"},
    {OptionSwitch::AdminOn, L"/opzione:esegui=si"},
    {OptionSwitch::AdminOff, L"/opzione:esegui=no"},
}};

constexpr wchar_t kNeedsRights[] = L"Impossibile modificare l'opzione: servono i diritti di amministratore.";
constexpr wchar_t kNotChanged[] = L"Impossibile modificare l'opzione: ";

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The one box of a change that was not made: for lack of rights, or what
// went wrong, with its code and the system's text.
Written NotChanged(Dialogs& dialogs, const std::wstring& title, const Failure& failure, bool forLackOfRights) {
    if (forLackOfRights) {
        SayNeedsRights(dialogs, title);
    } else {
        dialogs.ShowMessage(kNotChanged + ErrorPrompt(failure), title, BoxStyle::Exclamation);
    }
    return Written::Not;
}

}  // namespace

std::wstring ElevatedArgument(OptionSwitch change) {
    for (const Argument& argument : kArguments) {
        if (argument.change == change) return argument.text;
    }
    return {};
}

bool AsksForElevatedWrite(std::wstring_view arguments) { return Trimmed(arguments).starts_with(kSwitchPrefix); }

std::optional<OptionSwitch> ParseElevatedArgument(std::wstring_view arguments) {
    for (const Argument& argument : kArguments) {
        if (Trimmed(arguments) == argument.text) return argument.change;
    }
    return std::nullopt;
}

Outcome StoreSwitch(Registry& store, OptionSwitch change, const std::wstring& commandLine) {
    switch (change) {
        case OptionSwitch::AdminOn:
            return store.Write(kEsegui, kAdminDefault);
        case OptionSwitch::AdminOff:
            return store.Write(kEsegui, kNoAdminDefault);
        case OptionSwitch::AutoStartOff:
            return store.Write(kRunValue, L"");
        case OptionSwitch::AutoStartOn:
            if (Outcome failed = store.Write(kRunValue, commandLine)) return failed;
            return SwitchOnRecord(store, StartRecord::Machine);
    }
    return std::nullopt;
}

std::uint32_t RunElevatedWrite(std::wstring_view arguments, Registry& store, Application& application) {
    const auto change = ParseElevatedArgument(arguments);
    if (!change) return kBadArgument;
    const Outcome failed =
        StoreSwitch(store, *change, AutoStartCommandLine(application.OwnFolder(), application.ExeBaseName()));
    return failed ? static_cast<std::uint32_t>(failed->code) : 0;
}

// A refusal for lack of rights always goes to the elevated copy, even from a
// panel that has the rights: the token cannot be relied on to say so (Wine
// reports every process elevated), and a rule that refuses an administrator
// refuses the copy too, which then ends in the same box.
Written WriteSwitch(const OptionServices& services, OptionSwitch change, const std::wstring& title) {
    const Outcome failed = StoreSwitch(services.store, change, services.commandLine);
    if (!failed) return Written::Directly;
    if (!NeedsRights(*failed)) return NotChanged(services.dialogs, title, *failed, false);
    const auto exitCode = services.elevation.RunElevated(ElevatedArgument(change));
    // Not started: declined at the prompt, or the error that kept it from starting.
    if (!exitCode.ok()) {
        return NotChanged(services.dialogs, title, exitCode.failure(), exitCode.failure().code == codes::kCancelled);
    }
    if (exitCode.value() == 0) return Written::ByElevatedCopy;
    // Its write refused (for lack of rights, even so), or whatever else it reports.
    const Failure copyFailed{static_cast<std::int32_t>(exitCode.value()),
                             services.elevation.DescribeExitCode(exitCode.value())};
    return NotChanged(services.dialogs, title, copyFailed, NeedsRights(copyFailed));
}

void SayNeedsRights(Dialogs& dialogs, const std::wstring& title) {
    dialogs.ShowMessage(kNeedsRights, title, BoxStyle::Exclamation);
}

}  // namespace torvane::settings
