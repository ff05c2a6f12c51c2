#include "app/Design.h"

#include <array>

#include "app/FrmTorvane.h"
#include "catalogue/Arrangement.h"
#include "catalogue/Catalogue.h"
#include "settings/Options.h"

namespace torvane::design {
namespace {

MenuCommand Command(const settings::Option& option) { return {option.name, option.menuId}; }

ButtonLook Button(int index) {
    const Rect rect = arrangement::Slot(index);
    const CatalogueEntry* entry = CatalogueEntryAt(static_cast<std::int16_t>(index));
    if (entry == nullptr) return {kPlaceholderCaption, L"", 0, rect};
    return {entry->caption, entry->tooltip, entry->iconPixels, rect};
}

}  // namespace

WindowDesign Window(const std::wstring& contactAddress) {
    WindowDesign design{
        L" Torvane", {2565, 3180, 14310, 6660}, {168, 0, 13956, 6480}, L"Courier New", 90, 105, {}, L"Opzioni",
        {
            Command(settings::kAutoStart),
            {L"-", 0},
            Command(settings::kRunAsAdministrator),
            {L"-", 0},
            {L"Scrivi a \"" + contactAddress + L"\"", kMenuMail},
            {L"-", 0},
            {L"Esci", kMenuEsci},
        },
        L"Premi"};
    for (int i = 0; i < kButtonCount; ++i) design.buttons.push_back(Button(i));
    return design;
}

bool RunMenuCommand(FrmTorvane& form, int id) {
    struct Command {
        int id;
        void (FrmTorvane::*handler)();
    };
    static constexpr std::array<Command, 4> kCommands{{
        {settings::kAutoStart.menuId, &FrmTorvane::mnuOpzioniAvvio_Click},
        {settings::kRunAsAdministrator.menuId, &FrmTorvane::mnuOpzioniAdmin_Click},
        {kMenuMail, &FrmTorvane::mnuOpzioniMail_Click},
        {kMenuEsci, &FrmTorvane::mnuOpzioniEsci_Click},
    }};
    if (form.ChangingOption()) return true;
    for (const Command& command : kCommands) {
        if (command.id == id) {
            (form.*command.handler)();
            return true;
        }
    }
    return false;
}

}  // namespace torvane::design
