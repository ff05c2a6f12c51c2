#include <algorithm>
#include <cmath>

#include "Fixture.h"

namespace e2e {
namespace {

void ExpectNear(const RECT& rect, int left, int top, int width, int height) {
    EXPECT_NEAR(rect.left, Px(left), 1);
    EXPECT_NEAR(rect.top, Px(top), 1);
    EXPECT_NEAR(rect.right - rect.left, Px(width), 1);
    EXPECT_NEAR(rect.bottom - rect.top, Px(height), 1);
}

struct Case {
    std::vector<int> entries;  // installed, each under C:\Programmi
    std::vector<int> rows;     // buttons per row
    int frameWidth, frameHeight;
};

class Arrangement : public PanelTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Arrangement, ShowsExactlyTheInstalledButtonsPackedCentredAndTitled) {
    const Case& c = GetParam();
    for (int entry : c.entries) InstallEntry(entry, entry == 3 ? L"C:\\" : L"C:\\Programmi");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    EXPECT_EQ(panel.Title(), kTitle);

    std::vector<std::pair<int, int>> slots;  // row, column of each installed entry in order
    for (std::size_t row = 0; row < c.rows.size(); ++row) {
        for (int column = 0; column < c.rows[row]; ++column) slots.emplace_back(static_cast<int>(row), column);
    }
    std::size_t next = 0;
    for (const ButtonInfo& button : panel.Buttons()) {
        SCOPED_TRACE(button.index);
        const bool installed =
            std::find(c.entries.begin(), c.entries.end(), button.index) != c.entries.end();
        EXPECT_EQ(button.visible, installed);
        if (!installed) continue;
        const auto [row, column] = slots.at(next++);
        ExpectNear(button.rect, 252 + 2268 * column, 336 + 1512 * row, 2112, 1356);
    }
    ExpectNear(panel.FrameRect(), 168, 0, c.frameWidth, c.frameHeight);

    const RECT window = panel.WindowRect();
    const int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_NEAR(width, Px(c.frameWidth + 420), 1);
    EXPECT_NEAR(height, Px(c.frameHeight + 840), 1);
    EXPECT_NEAR(window.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2.0, 1);
    EXPECT_NEAR(window.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 3.0, 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, Arrangement,
                         ::testing::Values(Case{{12}, {1}, 2574, 1902},
                                           Case{{0, 2, 3, 5, 13, 17, 20}, {4, 3}, 9414, 3426},
                                           Case{{1, 4, 6, 7, 8, 9, 10, 11, 18}, {3, 3, 3}, 7134, 4908}));

TEST_F(PanelTest, CaptionsKeepTheirBlanks) {
    InstallEntry(2);
    InstallEntry(3, L"C:\\");
    InstallEntry(13);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto buttons = panel.Buttons();
    EXPECT_EQ(buttons[2].caption, L" Diagnostica centraline");
    EXPECT_EQ(buttons[3].caption, L" VCDS  (Vag-Com)");
    EXPECT_EQ(buttons[13].caption, L"Texa IDC5 CAR");
}

TEST_F(PanelTest, FindsApplicationsOnTheDDriveAndRecordsTheFirstRoot) {
    InstallEntry(5, L"D:\\Programme");
    InstallEntry(19, L"D:\\Program Files");
    InstallEntry(19, L"C:\\Programme");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto buttons = panel.Buttons();
    EXPECT_TRUE(buttons[5].visible);
    EXPECT_TRUE(buttons[19].visible);
    panel.Click(19);
    ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
    EXPECT_EQ(StandinLog()[0].folder, L"C:\\Programme\\DENSO Diagnostic Software\\DST-PC\\bin");
}

TEST_F(PanelTest, HiddenSystemAndReadOnlyFilesCountButADirectoryDoesNot) {
    const std::wstring myvdo = InstallEntry(20);
    SetFileAttributesW(myvdo.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    const std::wstring folder = L"C:\\Programmi\\Dataspin.net\\Dataspin.exe";
    CreateDirectoryW(L"C:\\Programmi\\Dataspin.net", nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    Panel panel;
    const HWND window = panel.Window();
    SetFileAttributesW(myvdo.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(L"C:\\Programmi\\Dataspin.net");
    ASSERT_NE(window, nullptr);
    const auto buttons = panel.Buttons();
    EXPECT_TRUE(buttons[20].visible);
    EXPECT_FALSE(buttons[5].visible);
}

TEST_F(PanelTest, NothingInstalledSaysSoAndEndsWithoutAWindow) {
    Panel panel;
    const auto box = panel.WaitForBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L"Form load");
    EXPECT_EQ(box->text, L"Nessuna applicazione installata.    \r\nIl programma viene terminato.");
    EXPECT_EQ(panel.Window(0ms), nullptr);
    panel.Answer(*box, IDOK);
    EXPECT_TRUE(panel.Exited());
}

TEST_F(PanelTest, FirstStartCreatesTheSettingsInTheProgramsRegistryView) {
    InstallEntry(0);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    EXPECT_EQ(ReadValue(kSettingsKey, L""), L"");
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
    if (sizeof(void*) == 4) {
        // A 32-bit program's settings live in the 32-bit view of a 64-bit system.
        HKEY key;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Wow6432Node\\Merovi\\Torvane", 0,
                                KEY_READ | KEY_WOW64_64KEY, &key),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
}

TEST_F(PanelTest, RefusedRegistryWritesAreReportedOnceAndThePanelOpens) {
    InstallEntry(0);
    WriteValue(kSettingsKey, L"", L"");
    DenyWrites(kSettingsKey);
    DenyWrites(kRunKey);
    Panel panel;
    const auto box = panel.WaitForBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L"Form Load");
    EXPECT_EQ(box->text.rfind(L"Errore -2147024891  ", 0), 0u) << box->text.c_str();
    panel.Answer(*box, IDOK);
    ASSERT_NE(panel.Window(), nullptr);
    EXPECT_EQ(panel.Title(), kTitle);
    EXPECT_FALSE(panel.WaitForBox(500ms));
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), std::nullopt);
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), std::nullopt);
}

TEST_F(PanelTest, SecondStartBringsTheFirstForwardAndEndsWithoutTouchingTheRegistry) {
    InstallEntry(0);
    Panel first;
    ASSERT_NE(first.Window(), nullptr);
    first.Click(0);  // the title now carries a launch result
    ASSERT_TRUE(WaitUntil([&] { return first.Title() != kTitle; }));
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), L"Esegui");
    SetForegroundWindow(GetDesktopWindow());

    const auto start = std::chrono::steady_clock::now();
    Panel second;
    EXPECT_TRUE(second.Exited(5s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_EQ(GetForegroundWindow(), first.Window());
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), std::nullopt);
    EXPECT_FALSE(first.Exited(0ms));
}

TEST_F(PanelTest, ClosingOrEsciEndsTheProgramWithoutAQuestion) {
    InstallEntry(0);
    {
        Panel panel;
        ASSERT_NE(panel.Window(), nullptr);
        panel.Close();
        EXPECT_TRUE(panel.Exited());
    }
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Menu(104);
    EXPECT_TRUE(panel.Exited());
}

TEST_F(PanelTest, DoubleClicksOnBackgroundOrFrameRestoreTheTitle) {
    InstallEntry(0);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Click(0);
    ASSERT_TRUE(WaitUntil([&] { return panel.Title() != kTitle; }));
    panel.Click(0);
    ASSERT_TRUE(WaitUntil([&] { return StandinLog().size() == 2; }));
    ASSERT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK - 33  OK"; }));
    panel.DoubleClickBackground();
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle; }));
    panel.Click(0);
    ASSERT_TRUE(WaitUntil([&] { return panel.Title() != kTitle; }));
    panel.DoubleClickFrame();
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle; }));
}

// The bounds of the picture drawn on a button: the pixels far from grey.
RECT PictureBounds(HWND button) {
    RECT face;
    GetWindowRect(button, &face);
    const int width = face.right - face.left, height = face.bottom - face.top;
    // A copy of the screen where the button is.
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, face.left, face.top, SRCCOPY);
    RECT bounds{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = GetPixel(copy, x, y);
            const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
            if (std::max({r, g, b}) - std::min({r, g, b}) < 60) continue;
            bounds.left = std::min<LONG>(bounds.left, x);
            bounds.top = std::min<LONG>(bounds.top, y);
            bounds.right = std::max<LONG>(bounds.right, x + 1);
            bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
        }
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return bounds;
}

TEST_F(PanelTest, PicturesAreDrawnAtTheScreensScale) {
    // The run at another resolution must really be at it.
    if (const std::wstring dpi = Env(L"TORVANE_DPI"); !dpi.empty()) {
        ASSERT_EQ(Px(1440), std::stoi(dpi));
    }
    InstallEntry(0);   // designed 48 pixels wide
    InstallEntry(18);  // designed 60 pixels wide
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const HWND frame = FindWindowExW(panel.Window(), nullptr, L"TorvaneFraBase", nullptr);
    for (const auto& [index, designed] : {std::pair{0, 48}, std::pair{18, 60}}) {
        SCOPED_TRACE(index);
        const HWND button = GetDlgItem(frame, 1000 + index);
        RECT bounds{};
        ASSERT_TRUE(WaitUntil([&] {
            bounds = PictureBounds(button);
            return bounds.right > bounds.left;
        }));
        EXPECT_NEAR(bounds.right - bounds.left, Px(designed * 15), 2);
        EXPECT_NEAR(bounds.bottom - bounds.top, Px(designed * 15), 2);
    }
}

}  // namespace
}  // namespace e2e
