#include "app/FrmTorvane.h"

namespace torvane {

// Any close request ends the program; nothing is asked and nothing is saved,
// since the options are written when they change.
void FrmTorvane::Form_QueryUnload() {
    OggettoShell = nullptr;
    window_.EndProgram();
}

void FrmTorvane::mnuOpzioniEsci_Click() {
    window_.Close();
    window_.EndProgram();
}

void FrmTorvane::Form_DblClick() { window_.SetTitle(TitoloFinestra); }

void FrmTorvane::fraBase_DblClick() { window_.SetTitle(TitoloFinestra); }

}  // namespace torvane
