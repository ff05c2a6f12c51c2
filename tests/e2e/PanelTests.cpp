#include <shlobj.h>

#include <algorithm>
#include <cmath>

#include "Harness.h"

namespace e2e {
namespace {

// Every test starts with nothing installed, no stand-in running and no settings.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        for (const StandinRun& run : StandinLog()) {
            const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, run.pid);
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        DeleteFileW(kLog);
        for (const wchar_t* drive : {L"C:\\", L"D:\\"}) {
            for (const wchar_t* folder : {L"Programmi", L"Program Files", L"Program Files (x86)", L"Programme"}) {
                for (int index = 0; index < torvane::kEntryCount; ++index) {
                    std::wstring path = EntryPath(index, drive + std::wstring(folder));
                    DeleteFileW(path.c_str());
                    for (auto s = path.rfind(L'\\'); s > 3 && RemoveDirectoryW(path.substr(0, s).c_str());) {
                        s = path.rfind(L'\\', s - 1);
                    }
                }
            }
        }
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Merovi");
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Merovi");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Torvane");
    }
};
using Startup = PanelTest;
using Launch = PanelTest;
using Options = PanelTest;
using Keyboard = PanelTest;
using Installer = PanelTest;

int Px(double twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

// The bounds of the picture drawn on a button: its pixels far from grey.
RECT PictureBounds(HWND button) {
    RECT face, bounds{9999, 9999, -1, -1};
    GetWindowRect(button, &face);
    const int width = face.right - face.left, height = face.bottom - face.top;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr), copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, face.left, face.top, SRCCOPY);
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE* p = static_cast<const BYTE*>(bits) + 4 * (y * width + x);
            if (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) < 60) continue;
            bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                      std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        }
    }
    DeleteDC(copy);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return bounds;
}

// Seven applications, one at a drive root, one on D:, one hidden: two rows,
// four and three buttons, with their captions and their pictures at the scale
// of the screen.
void ExpectTheArrangementAt(int dpi) {
    const DWORD logPixels = static_cast<DWORD>(dpi);
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &logPixels, 4);
    const std::vector<int> installed{0, 2, 3, 5, 13, 17, 20};
    for (int index : installed) InstallEntry(index, index == 5 ? L"D:\\Programme" : L"C:\\Programmi");
    const std::wstring hidden = EntryPath(20, L"C:\\Programmi");
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    const std::wstring folder = EntryPath(19, L"C:\\Programmi");  // a folder named like the program
    InstallStandin(folder + L"\\x.exe");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW((folder + L"\\x.exe").c_str());
    RemoveDirectoryW(folder.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");

    EXPECT_EQ(panel.Title(), kTitle);
    const auto expectNear = [&](HWND hwnd, HWND parent, int left, int top, int width, int height) {
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_NEAR(r.left, Px(left, dpi), 1);
        EXPECT_NEAR(r.top, Px(top, dpi), 1);
        EXPECT_NEAR(r.right - r.left, Px(width, dpi), 1);
        EXPECT_NEAR(r.bottom - r.top, Px(height, dpi), 1);
    };
    for (int index = 0, slot = 0; index < torvane::kButtonCount; ++index) {
        SCOPED_TRACE(index);
        const bool shown = std::count(installed.begin(), installed.end(), index) == 1;
        EXPECT_EQ(IsWindowVisible(panel.Button(index)), shown);
        if (!shown) continue;
        expectNear(panel.Button(index), panel.Frame(), 252 + 2268 * (slot % 4), 336 + 1512 * (slot / 4), 2112, 1356);
        ++slot;
    }
    expectNear(panel.Frame(), panel.Window(), 168, 0, 9414, 3426);
    RECT window;
    GetWindowRect(panel.Window(), &window);
    EXPECT_NEAR(window.right - window.left, Px(9414 + 420, dpi), 1);
    EXPECT_NEAR(window.bottom - window.top, Px(3426 + 840, dpi), 1);
    EXPECT_NEAR(window.left, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2.0, 1);
    EXPECT_NEAR(window.top, (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 3.0, 1);

    EXPECT_EQ(Text(panel.Button(2)), L" Diagnostica centraline");
    EXPECT_EQ(Text(panel.Button(3)), L" VCDS  (Vag-Com)");
    for (const auto& [index, designed] : {std::pair{0, 48}, std::pair{2, 32}}) {
        RECT bounds{};
        EXPECT_TRUE(WaitUntil([&] {
            bounds = PictureBounds(panel.Button(index));
            return bounds.right > bounds.left;
        }));
        EXPECT_NEAR(bounds.right - bounds.left, designed * dpi / 96, 2) << index;
        EXPECT_NEAR(bounds.bottom - bounds.top, designed * dpi / 96, 2) << index;
    }
}

TEST_F(Startup, ShowsTheInstalledApplicationsAt96Dpi) { ExpectTheArrangementAt(96); }
TEST_F(Startup, ShowsTheInstalledApplicationsAt144Dpi) { ExpectTheArrangementAt(144); }

TEST_F(Startup, NothingInstalledSaysSoAndEndsWithoutAWindow) {
    Panel panel;
    panel.Answer(L"Form load", L"Nessuna applicazione installata.    \r\nIl programma viene terminato.", IDOK);
    EXPECT_TRUE(panel.Ended());
    EXPECT_EQ(panel.Window(0ms), nullptr);
}

TEST_F(Startup, SettingsAreInThe32BitRegistryViewAndARefusedWriteIsReportedOnce) {
    InstallEntry(0);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey, nullptr, REG_SZ, L"", 2);
    SetKeyAccess(kSettingsKey, L"D:(D;;0x6;;;WD)(A;;KA;;;WD)");
    SetKeyAccess(kRunKey, L"D:(D;;0x6;;;WD)(A;;KA;;;WD)");
    {
        Panel panel;
        const auto box = panel.WaitForBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, L"Form Load");
        EXPECT_EQ(box->text.rfind(L"Errore -2147024891  ", 0), 0u);
        PostMessageW(box->hwnd, WM_COMMAND, IDOK, 0);
        ASSERT_NE(panel.Window(), nullptr);
        EXPECT_FALSE(panel.WaitForBox(1s));
        EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), std::nullopt);
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), std::nullopt);
    }
    SetKeyAccess(kSettingsKey, L"D:(A;;KA;;;WD)");
    SetKeyAccess(kRunKey, L"D:(A;;KA;;;WD)");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Merovi\\Torvane", L"Esegui", KEY_WOW64_64KEY),
              L"NoAdminDefault");
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", L"Torvane",
                        KEY_WOW64_64KEY),
              L"");
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui", KEY_WOW64_64KEY), std::nullopt);  // not in the 64-bit view
}

TEST_F(Startup, ASecondStartBringsTheFirstForwardAndEnds) {
    InstallEntry(0);
    Panel first;
    ASSERT_NE(first.Window(), nullptr);
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey, L"Esegui");
    SetForegroundWindow(GetDesktopWindow());
    Panel second;
    EXPECT_TRUE(second.Ended());
    EXPECT_EQ(GetForegroundWindow(), first.Window());
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), std::nullopt);  // the second start wrote nothing
    EXPECT_FALSE(first.Ended(0ms));
}

TEST_F(Launch, AClickStartsTheApplicationInItsFolderAndTheTitleSaysHowItWent) {
    const std::wstring delphi = InstallEntry(4, L"C:\\Program Files");
    const std::wstring removed = InstallEntry(18);
    InstallEntry(20);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Click(4);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 1; }));
    EXPECT_EQ(StandinLog()[0].path, delphi);
    EXPECT_EQ(StandinLog()[0].folder, L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)");
    EXPECT_TRUE(panel.TitleBecomes(L" - 33  OK")) << panel.Title().c_str();
    DeleteFileW(removed.c_str());
    panel.Click(18);
    EXPECT_TRUE(panel.TitleBecomes(L" - 33  OK - 2  File da aprire non trovato")) << panel.Title().c_str();
    PostMessageW(panel.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(panel.TitleBecomes(L""));
    panel.Click(20);
    EXPECT_TRUE(panel.TitleBecomes(L" - 33  OK"));
    PostMessageW(panel.Frame(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(panel.TitleBecomes(L""));
    PostMessageW(panel.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(panel.Ended());
}

TEST_F(Launch, ASectorProgramFirstStopsEveryStaleProcessWhileClicksAreIgnored) {
    InstallEntry(13);
    InstallEntry(0);
    for (const wchar_t* path : {L"C:\\Vecchi\\a\\start5.exe", L"C:\\Vecchi\\b\\start5.exe", L"C:\\Vecchi\\c\\x.exe"}) {
        InstallStandin(path);
    }
    Process first(L"C:\\Vecchi\\a\\start5.exe"), second(L"C:\\Vecchi\\b\\start5.exe"), other(L"C:\\Vecchi\\c\\x.exe");
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 3; }));
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto start = std::chrono::steady_clock::now();
    panel.Click(13);
    EXPECT_TRUE(first.Ended());
    panel.Click(0);  // during the waits: does nothing
    EXPECT_TRUE(second.Ended());
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 4; }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 3000ms);
    EXPECT_EQ(StandinLog()[3].folder, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_FALSE(other.Ended(0ms));
    EXPECT_TRUE(panel.TitleBecomes(L" - 33  OK")) << panel.Title().c_str();
    Sleep(1000);
    EXPECT_EQ(StandinLog().size(), 4u);
}

TEST_F(Options, AdministratorAndAutomaticStartSwitchOnAndOffAndEsciEnds) {
    InstallEntry(0);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const std::wstring admin = L"Esegui come amministratore", avvio = L"Avvio automatico";
    panel.Menu(102);
    panel.Answer(admin, L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ", IDYES);
    panel.Answer(admin, L"Opzione attivata.      ", IDOK);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"AdminDefault");
    panel.Menu(102);
    panel.Answer(admin, L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ", IDYES);
    panel.Answer(admin, L"Opzione disattivata.     ", IDOK);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");

    panel.Menu(101);
    panel.Answer(avvio, L"Vuoi attivare l'opzione di avvio automatico?   ", IDYES);
    panel.Answer(avvio, L"Opzione attivata      ", IDOK);
    const std::wstring exe = BuildFile(L"..\\..\\Torvane.exe");
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), exe.find(L' ') == std::wstring::npos ? exe : L"\"" + exe + L"\"");
    panel.Menu(101);
    panel.Answer(avvio, L"Vuoi disattivare l'opzione di avvio automatico?   ", IDYES);
    panel.Answer(avvio, L"Opzione disattivata    ", IDOK);
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
    panel.Menu(104);
    EXPECT_TRUE(panel.Ended());
}

TEST_F(Options, MailSaysWhenThereIsNoMailProgramAndOtherwiseOpensIt) {
    InstallEntry(0);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"mailto");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Menu(103);
    panel.Answer(L"Torvane e-mail", L"Impossibile avviare il programma di posta elettronica (31)", IDOK);

    // The stand-in takes the part of the mail program.
    InstallStandin(L"C:\\Posta\\mailer.exe");
    const std::wstring command = L"\"C:\\Posta\\mailer.exe\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto", L"URL Protocol", REG_SZ, L"", 2);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto\\shell\\open\\command", nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * 2));
    panel.Menu(103);
    ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
    const std::wstring line = StandinLog()[0].commandLine;
    for (const wchar_t* part : {L"mailto:torvane@example.com?", L"subject=about Torvane 0.3.0", L"&body="}) {
        EXPECT_NE(line.find(part), std::wstring::npos) << std::string(line.begin(), line.end());
    }
    EXPECT_FALSE(panel.WaitForBox(1s));
}

void Type(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    for (WORD code : {WORD{VK_SHIFT}, key, key, WORD{VK_SHIFT}}) inputs.push_back({INPUT_KEYBOARD, {.ki = {code}}});
    inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    if (!shift) inputs = {inputs[1], inputs[2]};
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(Keyboard, TabMovesThroughTheShownButtonsAndEnterOrSpaceStartsOne) {
    const std::vector<std::wstring> paths{InstallEntry(0), InstallEntry(5), InstallEntry(20)};
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto focusBecomes = [&](int index) {
        return WaitUntil([&] {
            GUITHREADINFO info{sizeof(info)};
            GetGUIThreadInfo(GetWindowThreadProcessId(panel.Window(), nullptr), &info);
            return info.hwndFocus == panel.Button(index);
        }, 5s);
    };
    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(focusBecomes(0));
    Type(VK_TAB);
    EXPECT_TRUE(focusBecomes(5));
    Type(VK_TAB);
    EXPECT_TRUE(focusBecomes(20));
    Type(VK_TAB, true);
    EXPECT_TRUE(focusBecomes(5));
    Type(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 1; }));
    EXPECT_EQ(StandinLog()[0].path, paths[1]);
    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel.Window(); }));
    Type(VK_TAB);
    ASSERT_TRUE(focusBecomes(20));
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 2; }));
    EXPECT_EQ(StandinLog()[1].path, paths[2]);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(Installer, InstallsAsA32BitProgramAndUninstallingKeepsOnlyTheSettings) {
    const std::wstring folder = L"C:\\Program Files (x86)\\Torvane", exe = folder + L"\\Torvane.exe";
    const std::wstring entry = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Torvane";
    wchar_t programs[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    const std::wstring shortcut = programs + std::wstring(L"\\Torvane.lnk");

    EXPECT_TRUE(Process(BuildFile(L"..\\..\\Torvane-0.3.0-setup.exe"), L"/S").Ended(120s));
    EXPECT_TRUE(Exists(exe));
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_EQ(ReadValue(entry.c_str(), L"DisplayVersion", KEY_WOW64_64KEY), L"0.3.0");
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Merovi\\Torvane", L"Esegui", KEY_WOW64_64KEY),
              L"NoAdminDefault");
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
    InstallEntry(0);
    {
        Panel panel(exe);
        ASSERT_NE(panel.Window(), nullptr);
        panel.Menu(101);  // automatic start of the installed program
        panel.Answer(L"Avvio automatico", L"Vuoi attivare l'opzione di avvio automatico?   ", IDYES);
        panel.Answer(L"Avvio automatico", L"Opzione attivata      ", IDOK);
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"\"" + exe + L"\"");
    }
    // The uninstaller copies itself away and ends; its copy does the work, the entry last.
    Process(folder + L"\\Uninstall.exe", L"/S").Ended(120s);
    EXPECT_TRUE(WaitUntil([&] { return !ReadValue(entry.c_str(), L"DisplayVersion", KEY_WOW64_64KEY); }, 120s));
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), std::nullopt);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");
}

}  // namespace
}  // namespace e2e

// Positions are read in real pixels. With "--install FOLDER INDEX... [FOLDER
// INDEX...]" it installs stand-ins for catalogue entries instead (the demo).
int main(int argc, char** argv) {
    SetProcessDPIAware();
    if (argc > 1 && std::string(argv[1]) == "--install") {
        std::wstring folder;
        for (int i = 2; i < argc; ++i) {
            const std::string arg = argv[i];
            if (std::isdigit(static_cast<unsigned char>(arg[0]))) e2e::InstallEntry(std::stoi(arg), folder);
            else folder.assign(arg.begin(), arg.end());
        }
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
