#pragma once
#include <string>
#include <vector>

#include "platform/Window.h"

namespace torvane {
class FrmTorvane;
}

// frmTorvane as designed, before start-up changes it. Twips throughout.
namespace torvane::design {

inline constexpr wchar_t kTitle[] = L" Torvane";
inline constexpr Size kClientSize{14310, 6660};
inline constexpr int kClientLeft = 2565;
inline constexpr int kClientTop = 3180;
inline constexpr Rect kFrame{168, 0, 13956, 6480};

inline constexpr wchar_t kFontFace[] = L"Courier New";
inline constexpr int kWindowFontTenthsOfPoint = 90;
inline constexpr int kButtonFontTenthsOfPoint = 105;

// Control identifiers: buttons are kFirstButtonId + index.
inline constexpr int kFirstButtonId = 1000;

struct ButtonDesign {
    std::wstring caption;
    std::wstring tooltip;  // empty: none
    int iconPixels;        // 0: no picture
    Rect rect;
};
ButtonDesign Button(int index);

inline constexpr wchar_t kMenuTitle[] = L"Opzioni";

struct MenuEntry {
    const wchar_t* name;
    std::wstring caption;
    int id;  // 0 for a separator
};
inline constexpr int kMenuAvvio = 101;
inline constexpr int kMenuAdmin = 102;
inline constexpr int kMenuMail = 103;
inline constexpr int kMenuEsci = 104;

std::vector<MenuEntry> OptionsMenu(const std::wstring& contactAddress);

// Runs the handler of a menu command; false for an unknown identifier.
bool RunMenuCommand(FrmTorvane& form, int id);

}  // namespace torvane::design
