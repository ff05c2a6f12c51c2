#pragma once
#include <windows.h>

namespace torvane::win32 {

// What a picture button shows besides its caption.
struct FaceLook {
    HICON icon;      // null: none
    int iconPixels;  // at the DPI given
    HFONT font;
    UINT dpi;
};

// Draws one picture button as WM_DRAWITEM asks: the push-button background
// in the visual style where one is in force, the picture centred in the
// upper part, the caption centred below it, and the focus rectangle.
void DrawButtonFace(const DRAWITEMSTRUCT& item, const FaceLook& look);

}  // namespace torvane::win32
