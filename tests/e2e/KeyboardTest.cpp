#include "Fixture.h"

namespace e2e {
namespace {

// Keys typed as a user would, to the window in front.
void Type(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND Focused(Panel& panel) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(panel.Window(), nullptr), &info);
    return info.hwndFocus;
}

int FocusedIndex(Panel& panel) {
    const HWND focus = Focused(panel);
    return focus ? GetDlgCtrlID(focus) - 1000 : -1;
}

TEST_F(PanelTest, TabMovesThroughTheShownButtonsAndEnterOrSpaceStartsOne) {
    InstallEntry(0);
    const std::wstring dataspin = InstallEntry(5);
    const std::wstring myvdo = InstallEntry(20);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(WaitUntil([&] { return FocusedIndex(panel) == 0; })) << FocusedIndex(panel);

    Type(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusedIndex(panel) == 5; }, 3s)) << FocusedIndex(panel);
    Type(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusedIndex(panel) == 20; }, 3s)) << FocusedIndex(panel);
    Type(VK_TAB, true);
    EXPECT_TRUE(WaitUntil([&] { return FocusedIndex(panel) == 5; }, 3s)) << FocusedIndex(panel);

    Type(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 1; }));
    EXPECT_EQ(StandinLog()[0].path, dataspin);

    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel.Window(); }, 3s));
    Type(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusedIndex(panel) == 20; }, 3s)) << FocusedIndex(panel);
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 2; }));
    EXPECT_EQ(StandinLog()[1].path, myvdo);
}

}  // namespace
}  // namespace e2e
