#pragma once
#include <string>

#include "platform/WindowDesign.h"

namespace torvane {
class FrmTorvane;
}

// frmTorvane as designed, before start-up changes it.
namespace torvane::design {

// 101 and 102 are the options' own, in their descriptions (settings/Options.h).
inline constexpr int kMenuMail = 103;
inline constexpr int kMenuEsci = 104;

WindowDesign Window(const std::wstring& contactAddress);

// Runs the handler of a menu command, none while an option changes; false
// for an unknown identifier.
bool RunMenuCommand(FrmTorvane& form, int id);

}  // namespace torvane::design
