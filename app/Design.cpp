#include "app/Design.h"

#include <array>

#include "app/FrmTorvane.h"
#include "catalogue/Arrangement.h"
#include "catalogue/Catalogue.h"

namespace torvane::design {

ButtonDesign Button(int index) {
    const Rect rect = arrangement::Slot(index);
    const CatalogueEntry* entry = CatalogueEntryAt(static_cast<std::int16_t>(index));
    if (entry == nullptr) return {kPlaceholderCaption, L"", 0, rect};
    return {entry->caption, entry->tooltip, entry->iconPixels, rect};
}

std::vector<MenuEntry> OptionsMenu(const std::wstring& contactAddress) {
    return {
        {L"mnuOpzioniAvvio", L"Avvio automatico", kMenuAvvio},
        {L"mnuDiv1", L"-", 0},
        {L"mnuOpzioniAdmin", L"Esegui come amministratore", kMenuAdmin},
        {L"mnuDiv2", L"-", 0},
        {L"mnuOpzioniMail", L"Scrivi a \"" + contactAddress + L"\"", kMenuMail},
        {L"mnuDiv3", L"-", 0},
        {L"mnuOpzioniEsci", L"Esci", kMenuEsci},
    };
}

bool RunMenuCommand(FrmTorvane& form, int id) {
    struct Command {
        int id;
        void (FrmTorvane::*handler)();
    };
    static constexpr std::array<Command, 4> kCommands{{
        {kMenuAvvio, &FrmTorvane::mnuOpzioniAvvio_Click},
        {kMenuAdmin, &FrmTorvane::mnuOpzioniAdmin_Click},
        {kMenuMail, &FrmTorvane::mnuOpzioniMail_Click},
        {kMenuEsci, &FrmTorvane::mnuOpzioniEsci_Click},
    }};
    for (const Command& command : kCommands) {
        if (command.id == id) {
            (form.*command.handler)();
            return true;
        }
    }
    return false;
}

}  // namespace torvane::design
