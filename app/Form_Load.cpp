#include "app/FrmTorvane.h"
#include "settings/ErrorPrompt.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace torvane {
namespace {

constexpr wchar_t kNothingInstalled[] = L"Nessuna applicazione installata.    \r\nIl programma viene terminato.";
constexpr wchar_t kNoAnswer[] = L" non risponde";  // after a drive given up: "D:\ non risponde"

}  // namespace

void FrmTorvane::Form_Load() {
    TitoloFinestra = StartupTitle(version_);

    if (platform_.application.AnotherInstanceRunning()) {
        // The outcome does not matter: the earlier instance carries on either way.
        ActivateEarlierInstance();
        dialogs_.Beep();
        EndPanel();
        return;
    }

    window_.SetPointer(Pointer::Busy);
    OggettoShell = &platform_.registry;

    if (OggettoShell->OpenKeyStatus(settings::kSubKey) == settings::kKeyMissing) {
        StartupWrite(settings::kKeyDefaultValue, L"");
        StartupWrite(settings::kEsegui, settings::kNoAdminDefault);
    }

    // A failed read leaves the value as it stood; the tests still run on it.
    std::wstring value;
    if (auto read = OggettoShell->Read(settings::kEsegui); read.ok()) {
        value = read.value();
    } else if (StartupFailure(read.failure(), ReadOf::Esegui) == Go::Stop) {
        return;
    }
    const int admin = settings::kRunAsAdministrator.menuId;
    if (value == settings::kNoAdminDefault) window_.SetChecked(admin, false);
    if (value == settings::kAdminDefault) window_.SetChecked(admin, true);

    value = L"";
    if (auto read = OggettoShell->Read(settings::kRunValue); read.ok()) {
        value = read.value();
    } else if (StartupFailure(read.failure(), ReadOf::RunValue) == Go::Stop) {
        return;
    }
    // Task Manager may have switched the start off without touching the value.
    window_.SetChecked(settings::kAutoStart.menuId, !value.empty() && !settings::SwitchedOffByWindows(*OggettoShell));

    DetectInstalledApplications();

    // A drive given up is said, or a mechanic would miss its applications
    // without a word; TitoloFinestra stays, for a second start to find.
    if (NumeroInstallate == 0) {
        std::wstring prompt = kNothingInstalled;
        for (const auto& drive : unanswered_) prompt += L"\r\n" + drive + kNoAnswer + L".";
        dialogs_.ShowMessage(prompt, L"Form load", BoxStyle::Information);
        EndPanel();
        return;
    }

    PosizionaBottoni(NumeroInstallate);
    std::wstring title = TitoloFinestra;
    for (const auto& drive : unanswered_) title += L" - " + drive + kNoAnswer;
    window_.SetTitle(title);
    PlaceWindow();
    window_.SetPointer(Pointer::Default);
}

// Centred horizontally, with one third of the free height above the window.
void FrmTorvane::PlaceWindow() {
    const Size screen = window_.ScreenSize();
    const Size outer = window_.OuterSize();
    window_.SetPosition((screen.width - outer.width) / 2.0, (screen.height - outer.height) / 3.0);
}

// Any refused write (a standard user under HKEY_LOCAL_MACHINE, a policy, a
// key that cannot be created) is said once; the panel opens all the same.
void FrmTorvane::StartupWrite(const std::wstring& path, const std::wstring& data) {
    if (const Outcome refused = OggettoShell->Write(path, data)) ReportRefusal(*refused);
}

void FrmTorvane::ReportRefusal(const Failure& failure) {
    window_.SetPointer(Pointer::Default);
    if (refusalReported_) return;
    refusalReported_ = true;
    dialogs_.ShowMessage(ErrorPrompt(failure), L"Form Load", BoxStyle::Critical);
}

// The start-up failure handling: decides, one failed operation at a time,
// whether start-up goes on with the next operation or stops here.
FrmTorvane::Go FrmTorvane::StartupFailure(const Failure& failure, ReadOf failedRead) {
    window_.SetPointer(Pointer::Default);
    switch (failure.code) {
        case codes::kInvalidCall:
            return Go::On;
        case codes::kNotFound:
            // Recreate only the value whose read failed, with its default: a
            // missing "Esegui" must not cost the user the auto-start setting.
            if (failedRead == ReadOf::RunValue) StartupWrite(settings::kRunValue, L"");
            if (failedRead == ReadOf::Esegui) StartupWrite(settings::kEsegui, settings::kNoAdminDefault);
            return Go::On;
        case codes::kAccessDenied:
            ReportRefusal(failure);
            return Go::On;
        default:
            dialogs_.ShowMessage(ErrorPrompt(failure), L"Form Load", BoxStyle::Critical);
            return Go::Stop;
    }
}

}  // namespace torvane
