#pragma once
#include <string>

#include "platform/Failure.h"

namespace torvane {

// The prompt of a failure's message box, at start-up, at a launch or at an
// option change: "Errore " code, two blanks, description.
inline std::wstring ErrorPrompt(const Failure& failure) {
    return L"Errore " + std::to_wstring(failure.code) + L"  " + failure.description;
}

}  // namespace torvane
