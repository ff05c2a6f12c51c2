#include "settings/WriteChange.h"

#include "settings/ElevatedArgument.h"
#include "settings/ErrorPrompt.h"
#include "settings/StoreChange.h"

namespace torvane::settings {
namespace {

constexpr wchar_t kNeedsRights[] = L"Impossibile modificare l'opzione: servono i diritti di amministratore.";
constexpr wchar_t kNotChanged[] = L"Impossibile modificare l'opzione: ";

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

// A refusal for lack of rights always goes to the elevated copy, even from a
// panel that has the rights: the token cannot be relied on to say so (Wine
// reports every process elevated), and a rule that refuses an administrator
// refuses the copy too, which then ends in the same box.
Written WriteChange(const OptionServices& services, const Change& change) {
    const std::wstring title = change.option->name;
    const Outcome failed = StoreChange(services.store, change, services.commandLine);
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
