// The application buttons at start-up: which applications are installed, and
// where their buttons go.
#include "app/FrmTorvane.h"
#include "app/Installations.h"
#include "catalogue/Arrangement.h"
#include "settings/ErrorPrompt.h"

namespace torvane {

void FrmTorvane::DetectInstalledApplications() {
    PercorsiApplicazioni.assign(kButtonCount, std::wstring());
    Installate.assign(kButtonCount, false);
    const Installed installed = FindApplications(platform_.files);
    // Said once: a failing disk must not cost the user a box per application.
    if (installed.failure) dialogs_.ShowMessage(ErrorPrompt(*installed.failure), L"Torvane", BoxStyle::Critical);
    unanswered_ = installed.stalled;
    for (std::int16_t i = 0; i < kButtonCount; ++i) {
        window_.SetButtonEnabled(i, VerificaInstallazione(i, installed));
        Installate[i] = window_.ButtonEnabled(i);
        if (Installate[i]) ++NumeroInstallate;
        window_.PumpEvents();
    }
}

// Records the path of the entry's executable where the search found it.
bool FrmTorvane::VerificaInstallazione(std::int16_t index, const Installed& installed) {
    if (CatalogueEntryAt(index) == nullptr) return false;
    const std::wstring& path = installed.paths[static_cast<std::size_t>(index)];
    PercorsiApplicazioni[static_cast<std::size_t>(index)] = path;
    return !path.empty();
}

// Hides the missing applications' buttons, packs the others into the grid in
// index order, and sizes frame and window to fit.
void FrmTorvane::PosizionaBottoni(std::int16_t count) {
    const arrangement::Layout layout = arrangement::Arrange(Installate, count, window_.FrameSize());
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        const int button = static_cast<int>(i);
        if (layout.buttons[i]) {
            window_.MoveButton(button, *layout.buttons[i]);
        } else {
            window_.SetButtonVisible(button, false);
        }
    }
    if (layout.frame) window_.MoveFrame(*layout.frame);
    window_.SetOuterWidth(layout.window.width);
    window_.SetOuterHeight(layout.window.height);
}

}  // namespace torvane
