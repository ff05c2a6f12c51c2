#include "platform/win32/ButtonFace.h"

#include <vssym32.h>

#include <iterator>

#include "platform/win32/Handles.h"
#include "platform/win32/LateBound.h"

namespace torvane::win32 {
namespace {

struct ThemeFunctions {
    decltype(&IsAppThemed) isAppThemed = LateBound<decltype(&IsAppThemed)>(L"uxtheme.dll", "IsAppThemed");
    decltype(&OpenThemeData) open = LateBound<decltype(&OpenThemeData)>(L"uxtheme.dll", "OpenThemeData");
    decltype(&DrawThemeBackground) drawBackground =
        LateBound<decltype(&DrawThemeBackground)>(L"uxtheme.dll", "DrawThemeBackground");
    decltype(&CloseThemeData) close = LateBound<decltype(&CloseThemeData)>(L"uxtheme.dll", "CloseThemeData");
    bool complete() const { return isAppThemed && open && drawBackground && close; }
};

const ThemeFunctions& Functions() {
    static const ThemeFunctions functions;
    return functions;
}

}  // namespace

bool ButtonTheme::Draw(HWND hwnd, HDC dc, int state, const RECT& face) {
    const ThemeFunctions& functions = Functions();
    if (!opened_) {
        opened_ = true;
        if (functions.complete() && functions.isAppThemed()) theme_ = functions.open(hwnd, L"BUTTON");
    }
    return theme_ != nullptr && SUCCEEDED(functions.drawBackground(theme_, dc, BP_PUSHBUTTON, state, &face, nullptr));
}

void ButtonTheme::Close() {
    if (theme_ != nullptr) Functions().close(theme_);
    theme_ = nullptr;
    opened_ = false;
}

void DrawButtonFace(const DRAWITEMSTRUCT& item, const FaceLook& look) {
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT face = item.rcItem;
    const HDC dc = item.hDC;

    // The styled face has see-through corners: lay the frame's colour under
    // them, or each paint would blend them over the last.
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (!look.theme.Draw(item.hwndItem, dc, disabled ? PBS_DISABLED : pushed ? PBS_PRESSED : PBS_NORMAL, face)) {
        DrawFrameControl(dc, &face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    }

    const int margin = MulDiv(6, static_cast<int>(look.dpi), 96);
    const int shift = pushed ? 1 : 0;
    int captionTop = face.top + margin;
    if (look.icon != nullptr) {
        DrawIconEx(dc, face.left + (face.right - face.left - look.iconPixels) / 2 + shift, face.top + margin + shift,
                   look.icon, look.iconPixels, look.iconPixels, 0, nullptr, DI_NORMAL);
        captionTop += look.iconPixels + margin / 2;
    }
    wchar_t caption[128];
    const int length = GetWindowTextW(item.hwndItem, caption, static_cast<int>(std::size(caption)));
    RECT text{face.left + shift, captionTop + shift, face.right + shift, face.bottom - margin + shift};
    {
        const Selected font(dc, look.font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextW(dc, caption, length, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -margin / 2, -margin / 2);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace torvane::win32
