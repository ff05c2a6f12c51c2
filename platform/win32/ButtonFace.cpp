#include "platform/win32/ButtonFace.h"

#include <vssym32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Caption.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemFunctions.h"

namespace torvane::win32 {
namespace {

// The visual style's functions, where the system has them all.
bool ThemesAvailable() {
    return Bound<system32::kIsAppThemed>() && Bound<system32::kOpenThemeData>() &&
           Bound<system32::kDrawThemeBackground>() && Bound<system32::kCloseThemeData>();
}

}  // namespace

bool ButtonTheme::Draw(HWND hwnd, HDC dc, int state, const RECT& face) {
    if (!opened_) {
        opened_ = true;
        HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
        highContrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                        (contrast.dwFlags & HCF_HIGHCONTRASTON);
        if (!highContrast_ && ThemesAvailable() && Bound<system32::kIsAppThemed>()()) {
            theme_ = Bound<system32::kOpenThemeData>()(hwnd, L"BUTTON");
        }
    }
    return theme_ != nullptr &&
           SUCCEEDED(Bound<system32::kDrawThemeBackground>()(theme_, dc, BP_PUSHBUTTON, state, &face, nullptr));
}

void ButtonTheme::Close() {
    if (theme_ != nullptr) Bound<system32::kCloseThemeData>()(theme_);
    theme_ = nullptr;
    opened_ = false;
}

namespace {

int ThemeState(FaceState state) {
    if (state.disabled) return PBS_DISABLED;
    if (state.pushed) return PBS_PRESSED;
    return state.hot ? PBS_HOT : PBS_NORMAL;
}

std::vector<std::wstring> CaptionLines(HDC dc, std::wstring_view caption, int width) {
    return BreakCaption(caption, width, [dc](std::wstring_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    });
}

}  // namespace

void DrawButtonFace(HWND button, HDC dc, const RECT& face, std::wstring_view caption, FaceState state,
                    const FaceLook& look) {
    const bool pushed = state.pushed;
    const bool disabled = state.disabled;

    // The styled face has see-through corners: lay the frame's colour under
    // them, or each paint would blend them over the last.
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (!look.theme.Draw(button, dc, ThemeState(state), face)) {
        RECT frame = face;
        DrawFrameControl(dc, &frame, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    }

    const Selected font(dc, look.font);
    // The caption keeps a margin from both sides; a second line moves picture
    // and caption up together, centred in the face, where the bottom margin
    // would not hold them.
    const int margin = MulDiv(6, static_cast<int>(look.dpi), 96);
    const int shift = pushed ? 1 : 0;
    const std::vector<std::wstring> lines = CaptionLines(dc, caption, face.right - face.left - 2 * margin);
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

    if (state.focused) {
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
