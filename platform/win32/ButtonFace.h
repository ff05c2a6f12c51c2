#pragma once
#include <windows.h>
#include <uxtheme.h>

#include <string_view>

namespace torvane::win32 {

// The visual style of push buttons, opened at its first use and kept: opened
// for every button drawn, it cost about a millisecond a paint of the panel.
// uxtheme is loaded at that first use too. In high-contrast mode there is
// none: the system's colours draw the buttons.
class ButtonTheme {
public:
    ButtonTheme() = default;
    ~ButtonTheme() { Close(); }
    ButtonTheme(const ButtonTheme&) = delete;
    ButtonTheme& operator=(const ButtonTheme&) = delete;

    // Draws the background of a push button in the style in force for
    // `hwnd`; false where none is.
    bool Draw(HWND hwnd, HDC dc, int state, const RECT& face);
    // Whether high-contrast mode was on when the style was last opened.
    bool HighContrast() const { return highContrast_; }
    // After a change of theme, colours or DPI: opened afresh when next drawn.
    void Close();

private:
    HTHEME theme_ = nullptr;
    bool opened_ = false;
    bool highContrast_ = false;
};

// How a button stands.
struct FaceState {
    bool pushed, disabled, focused, hot;
};

// What a picture button shows besides its caption.
struct FaceLook {
    HICON icon;      // null: none
    int iconPixels;  // at the DPI given
    HFONT font;
    UINT dpi;
    ButtonTheme& theme;
};

// Draws one picture button on `face`: the push-button background in the
// visual style where one is in force (normal, hot, pressed or disabled), the
// picture centred in the upper part, the caption centred below it on as many
// lines as it needs, and the focus rectangle.
void DrawButtonFace(HWND button, HDC dc, const RECT& face, std::wstring_view caption, FaceState state,
                    const FaceLook& look);

}  // namespace torvane::win32
