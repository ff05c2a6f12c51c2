#pragma once
#include <string>
#include <vector>

#include "platform/Window.h"

namespace torvane {

// How the main window looks before start-up changes it, handed to the
// toolkit by the program. Twips throughout.
struct ButtonLook {
    std::wstring caption;
    std::wstring tooltip;  // empty: none
    int iconPixels;        // square, at 96 DPI; 0: no picture
    Rect rect;
};

struct MenuCommand {
    std::wstring caption;
    int id;  // 0: a separator
};

struct WindowDesign {
    std::wstring title;
    Rect client;  // the client area, on the screen
    Rect frame;
    std::wstring fontFace;
    int windowFontTenthsOfPoint;
    int buttonFontTenthsOfPoint;
    std::vector<ButtonLook> buttons;
    std::wstring menuTitle;
    std::vector<MenuCommand> menu;
    std::wstring pressAction;  // what screen readers say a button's default action is
};

}  // namespace torvane
