#pragma once
#include <windows.h>

#include "platform/WindowDesign.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

// The menu bar with its one pop-up menu, as designed. The bar owns the
// pop-up; the window that takes the bar owns both.
struct MenuBar {
    UniqueMenu bar;
    HMENU popup;
};
MenuBar BuildMenuBar(const WindowDesign& design);

}  // namespace torvane::win32
