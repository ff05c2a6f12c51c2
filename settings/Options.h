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
    .menuId = 102,
    .name = L"Esegui come amministratore",
    .decides = Decides::StoredValue,
    .texts = {.askOn = L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ",
              .doneOn = L"Opzione attivata.      ",
              .askOff = L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ",
              .doneOff = L"Opzione disattivata.     "},
    .path = kEsegui,
    .on = kAdminDefault,
    .off = kNoAdminDefault,
    .read = ReadEsegui,
    .switchesStartRecordsOn = false,
    .argumentWord = L"esegui",
};

// Start at log-on through the machine's Run value.
inline constexpr Option kAutoStart{
    .menuId = 101,
    .name = L"Avvio automatico",
    .decides = Decides::CheckMark,
    .texts = {.askOn = L"Vuoi attivare l'opzione di avvio automatico?   ",
              .doneOn = L"Opzione attivata      ",
              .askOff = L"Vuoi disattivare l'opzione di avvio automatico?   ",
              .doneOff = L"Opzione disattivata    "},
    .path = kRunValue,
    .on = nullptr,
    .off = L"",
    .read = ReadAutoStart,
    .switchesStartRecordsOn = true,
    .argumentWord = L"avvio",
};

// Every option, for the elevated copy to find the one its argument names.
inline constexpr std::array<const Option*, 2> kOptions{&kAutoStart, &kRunAsAdministrator};

}  // namespace torvane::settings
