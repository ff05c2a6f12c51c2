#pragma once
#include <array>

#include "settings/Option.h"
#include "settings/SettingsStore.h"

namespace torvane::settings {

// "Esegui" holds exactly one of two words; any other text, an absent value or
// an unreadable one reads neither way.
Reading ReadEsegui(Registry& store);

// On: a Run value that Windows runs at log-on, one that Task Manager has not
// switched off. Off: an empty or absent Run value. An unreadable one, or one
// switched off by Task Manager, reads neither way.
Reading ReadAutoStart(Registry& store);

// Elevated launching: the launch reads its check mark.
inline constexpr Option kRunAsAdministrator{
    102,
    L"Esegui come amministratore",
    Decides::StoredValue,
    {L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ", L"Opzione attivata.      ",
     L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ", L"Opzione disattivata.     "},
    kEsegui,
    kAdminDefault,
    kNoAdminDefault,
    ReadEsegui,
    false,
    L"esegui",
};

// Start at log-on through the machine's Run value.
inline constexpr Option kAutoStart{
    101,
    L"Avvio automatico",
    Decides::CheckMark,
    {L"Vuoi attivare l'opzione di avvio automatico?   ", L"Opzione attivata      ",
     L"Vuoi disattivare l'opzione di avvio automatico?   ", L"Opzione disattivata    "},
    kRunValue,
    nullptr,
    L"",
    ReadAutoStart,
    true,
    L"avvio",
};

inline constexpr std::array<const Option*, 2> kOptions{&kAutoStart, &kRunAsAdministrator};

}  // namespace torvane::settings
