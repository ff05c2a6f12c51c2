#pragma once
#include <windows.h>

#include <string>

#include "platform/WindowEvents.h"
#include "platform/win32/Handles.h"

namespace torvane::win32 {

inline constexpr wchar_t kPictureButtonClass[] = L"TorvanePictureButton";

// Sent to the parent in WM_NOTIFY when a button is pressed: clicked, Space,
// Enter through the dialog keys, or BM_CLICK.
inline constexpr UINT kButtonPressed = 1;
struct PressNotice {
    NMHDR header;  // idFrom: the button's control id
    Click click;   // by mouse: when and where the button went up
};

// What a button is made with besides its caption and place.
struct ButtonContent {
    int pictureResource;  // an icon of the module that makes the button
    int picturePixels;    // square, at 96 DPI; 0: no picture
    // What screen readers say its default action is.
    const std::wstring* pressAction;
};

// A push button with a picture above its caption, which paints itself in the
// visual style in force. Lighter to make than the system's button, which the
// panel needs 24 of at start-up. The object lives as long as its window.
class PictureButton {
public:
    // False when the class cannot be registered; GetLastError tells why.
    static bool Register(HINSTANCE instance);
    // A child of `parent` at `pixels`, with the given style and control id.
    static HWND Create(HWND parent, int id, const std::wstring& caption, const RECT& pixels, DWORD style,
                       const ButtonContent& content);
    // The button of a window; null for any other window, or one destroyed.
    static PictureButton* Of(HWND hwnd);
    // After a change of theme, colours or DPI: the visual style is opened
    // afresh when a button is next drawn.
    static void StyleChanged();

    // The font and DPI to draw with; the picture is loaded for the DPI when
    // next drawn.
    void SetScale(HFONT font, UINT dpi);
    std::wstring Caption() const;
    const std::wstring& PressAction() const { return *content_.pressAction; }

private:
    PictureButton(HWND hwnd, HINSTANCE module, const ButtonContent& content)
        : hwnd_(hwnd), module_(module), content_(content) {}
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void SetPushed(bool pushed);
    void SetHot(bool hot);
    bool Inside(LPARAM point) const;
    void Press(const Click& click);
    void Paint();

    HWND hwnd_;
    HINSTANCE module_;  // where its picture is
    ButtonContent content_;
    HFONT font_ = nullptr;
    UINT dpi_ = 96;
    UniqueIcon picture_;  // loaded when first drawn: hidden buttons never need theirs
    bool pushed_ = false;    // drawn pushed in
    bool tracking_ = false;  // the mouse button went down on it
    bool hot_ = false;       // the pointer is over it: the visual style draws it lighter
};

// Whether a key message is an auto-repeat of a key held down.
inline bool Repeated(LPARAM keyData) { return (keyData & 0x40000000) != 0; }

}  // namespace torvane::win32
