#include "app/FrmTorvane.h"

namespace torvane {

// Any close request ends the program; nothing is asked and nothing is saved,
// since the options are written when they change.
void FrmTorvane::Form_QueryUnload() {
    OggettoShell = nullptr;
    EndPanel();
}

void FrmTorvane::mnuOpzioniEsci_Click() {
    window_.Close();
    EndPanel();
}

// The next start must find no panel running even while this process lingers:
// its handles close only when its last thread has left the kernel, and a
// thread may still wait there on a drive that does not answer.
void FrmTorvane::EndPanel() {
    platform_.application.ReleaseInstance();
    window_.EndProgram();
}

void FrmTorvane::Form_DblClick() { window_.SetTitle(TitoloFinestra); }

void FrmTorvane::fraBase_DblClick() { window_.SetTitle(TitoloFinestra); }

}  // namespace torvane
