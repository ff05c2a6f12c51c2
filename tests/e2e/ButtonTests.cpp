// The picture buttons as a screen reader, the eye and the pointer meet them.
#include "Harness.h"

#include <oleacc.h>
#include <uxtheme.h>

namespace e2e {
namespace {

using Buttons = PanelTest;
const VARIANT kSelf{.vt = VT_I4};

// A button's name, default action, role and state, as a screen reader reads them.
std::tuple<std::wstring, std::wstring, LONG, LONG> ReadOut(IAccessible* button) {
    BSTR name = nullptr, action = nullptr;
    VARIANT role{}, state{};
    button->get_accName(kSelf, &name);
    button->get_accDefaultAction(kSelf, &action);
    button->get_accRole(kSelf, &role);
    button->get_accState(kSelf, &state);
    std::tuple read{std::wstring(name ? name : L""), std::wstring(action ? action : L""), role.lVal, state.lVal};
    SysFreeString(name);
    SysFreeString(action);
    return read;
}

TEST_F(Buttons, AScreenReaderReadsEachOneAsAPushButtonAndPressesIt) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (int index : {0, 2, 3}) InstallEntry(index);
    const std::wstring myVdo = InstallEntry(20);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    IAccessible* button = nullptr;
    for (const auto& [index, name] : {std::pair{0, L"ESI[tronic]"}, {2, L"Diagnostica centraline"},
                                      {3, L"VCDS  (Vag-Com)"}, {20, L"MyVdo Diesel sParts"}}) {
        AccessibleObjectFromWindow(panel.Button(index), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&button));
        ASSERT_NE(button, nullptr) << index;
        EXPECT_EQ(ReadOut(button), std::tuple(std::wstring(name), std::wstring(L"Premi"), ROLE_SYSTEM_PUSHBUTTON,
                                              STATE_SYSTEM_FOCUSABLE | (index == 0 ? STATE_SYSTEM_FOCUSED : 0)));
    }
    // The last one disabled, or the panel's window as while an elevated copy runs: it says so and does not start.
    for (const HWND disabled : {panel.Button(20), panel.Window()}) {
        EnableWindow(disabled, FALSE);
        EXPECT_EQ(std::get<3>(ReadOut(button)), STATE_SYSTEM_UNAVAILABLE);
        EXPECT_NE(button->accDoDefaultAction(kSelf), S_OK);
        EnableWindow(disabled, TRUE);
    }
    EXPECT_EQ(button->accDoDefaultAction(kSelf), S_OK);
    button->Release();
    EXPECT_TRUE(WaitUntil([&] { return StandinLog().size() == 1 && StandinLog()[0].path == myVdo; }));
}

// The four longest captions, two of them too wide for one line at 96 DPI, all
// four at 144; then the pointer over one, where the visual style shows it.
TEST_F(Buttons, LongCaptionsBreakInsideTheFaceAt96And144DpiAndThePointerLightsAButton) {
    for (int index : {0, 2, 3, 11, 20}) InstallEntry(index);  // 0 has the focus and its rectangle
    SetCursorPos(0, 0);  // no tooltip over a button
    for (const DWORD dpi : {96, 144}) {
        SetScreenDpi(dpi);
        Panel panel;
        ASSERT_NE(panel.Window(), nullptr);
        const int margin = MulDiv(6, static_cast<int>(dpi), 96);
        for (int index : {2, 3, 11, 20}) {
            RECT face;
            GetClientRect(panel.Button(index), &face);
            const std::vector<DWORD> pixels = Pixels(panel.Button(index));
            int inMargins = 0, inLowerThird = 0;  // of the dark pixels inside the edge: caption and picture
            for (int y = margin / 2; y < face.bottom - margin / 2; ++y) {
                for (int x = margin / 2; x < face.right - margin / 2; ++x) {
                    const DWORD pixel = pixels[static_cast<std::size_t>(y * face.right + x)];
                    if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) >= 300) continue;
                    inMargins += x < margin || x >= face.right - margin;
                    inLowerThird += y >= face.bottom * 2 / 3;
                }
            }
            EXPECT_EQ(inMargins, 0) << index << " at " << dpi;
            EXPECT_GT(inLowerThird, 20) << index << " at " << dpi;  // the caption is there
        }
        if (dpi != 96 || !IsThemeActive()) continue;
        const auto upperThird = [&] {  // above the pointer, where no tooltip comes
            const std::vector<DWORD> all = Pixels(panel.Button(11));
            return std::vector(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(all.size() / 3));
        };
        const std::vector<DWORD> normal = upperThird();
        RECT place;
        GetWindowRect(panel.Button(11), &place);
        SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
        EXPECT_TRUE(WaitUntil([&] { return upperThird() != normal; }, 20s));
        SetCursorPos(0, 0);
        EXPECT_TRUE(WaitUntil([&] { return upperThird() == normal; }, 20s));
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
}

}  // namespace
}  // namespace e2e
