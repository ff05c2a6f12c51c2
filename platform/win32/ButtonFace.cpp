#include "platform/win32/ButtonFace.h"

#include <vssym32.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Caption.h"
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
        HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
        highContrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                        (contrast.dwFlags & HCF_HIGHCONTRASTON);
        if (!highContrast_ && functions.complete() && functions.isAppThemed()) {
            theme_ = functions.open(hwnd, L"BUTTON");
        }
    }
    return theme_ != nullptr && SUCCEEDED(functions.drawBackground(theme_, dc, BP_PUSHBUTTON, state, &face, nullptr));
}

void ButtonTheme::Close() {
    if (theme_ != nullptr) Functions().close(theme_);
    theme_ = nullptr;
    opened_ = false;
}

namespace {

int ThemeState(UINT itemState) {
    if (itemState & ODS_DISABLED) return PBS_DISABLED;
    if (itemState & ODS_SELECTED) return PBS_PRESSED;
    return (itemState & ODS_HOTLIGHT) ? PBS_HOT : PBS_NORMAL;
}

std::vector<std::wstring> CaptionLines(HDC dc, HWND button, int width) {
    wchar_t caption[128];
    const int length = GetWindowTextW(button, caption, static_cast<int>(std::size(caption)));
    return BreakCaption(std::wstring_view(caption, static_cast<std::size_t>(length)), width,
                        [dc](std::wstring_view text) {
                            SIZE size{};
                            GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
                            return static_cast<int>(size.cx);
                        });
}

}  // namespace

void DrawButtonFace(const DRAWITEMSTRUCT& item, const FaceLook& look) {
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT face = item.rcItem;
    const HDC dc = item.hDC;

    // The styled face has see-through corners: lay the frame's colour under
    // them, or each paint would blend them over the last.
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (!look.theme.Draw(item.hwndItem, dc, ThemeState(item.itemState), face)) {
        DrawFrameControl(dc, &face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    }

    const Selected font(dc, look.font);
    // The caption keeps a margin from both sides; a second line moves picture
    // and caption up together, centred in the face, where the bottom margin
    // would not hold them.
    const int margin = MulDiv(6, static_cast<int>(look.dpi), 96);
    const int shift = pushed ? 1 : 0;
    const std::vector<std::wstring> lines = CaptionLines(dc, item.hwndItem, face.right - face.left - 2 * margin);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int picture = look.icon != nullptr ? look.iconPixels + margin / 2 : 0;
    const int lineHeight = static_cast<int>(metrics.tmHeight);
    const int content = picture + static_cast<int>(lines.size()) * lineHeight;
    LONG top = face.top + margin;
    if (top + content > face.bottom - margin) {
        top = face.top + std::max<LONG>(0, (face.bottom - face.top - content) / 2);
    }

    if (look.icon != nullptr) {
        DrawIconEx(dc, face.left + (face.right - face.left - look.iconPixels) / 2 + shift, top + shift, look.icon,
                   look.iconPixels, look.iconPixels, 0, nullptr, DI_NORMAL);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT line{face.left + margin + shift, top + picture + shift, face.right - margin + shift, 0};
    for (const std::wstring& text : lines) {
        line.bottom = line.top + lineHeight;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        line.top = line.bottom;
    }

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -margin / 2, -margin / 2);
        if (look.theme.HighContrast()) {
            // The dotted rectangle is hard to see on high-contrast colours:
            // a solid one in the system's colour for what is selected.
            for (int edge = 0; edge < std::max(1, margin / 3); ++edge, InflateRect(&focus, -1, -1)) {
                FrameRect(dc, &focus, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
        } else {
            DrawFocusRect(dc, &focus);
        }
    }
}

}  // namespace torvane::win32
