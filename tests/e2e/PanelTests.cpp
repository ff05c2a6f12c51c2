#include "Harness.h"

#include <sddl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cmath>

namespace e2e {
namespace {

using Startup = PanelTest;
using Launch = PanelTest;
using Options = PanelTest;
using Keyboard = PanelTest;
using Installer = PanelTest;

int Px(double twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

// Whether a window's place in its parent, in pixels, is the one given in twips.
::testing::AssertionResult At(HWND hwnd, HWND parent, int dpi, std::vector<int> twips) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const int pixels[] = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(pixels[i] - Px(twips[i], dpi)) > 1) return ::testing::AssertionFailure() << "at pixel " << i;
    }
    return ::testing::AssertionSuccess();
}

// Seven applications, one at a drive root, one on D:, one hidden, system and
// read-only, beside a folder named like a program: two rows of four and three
// buttons, the window centred across and at a third down the screen.
TEST_F(Startup, ShowsTheInstalledApplicationsInPlaceAt96And144Dpi) {
    const std::vector<int> installed{0, 2, 3, 5, 13, 17, 20};
    for (int index : installed) InstallEntry(index, index == 5 ? L"D:\\Programme" : L"C:\\Programmi");
    SetFileAttributesW(EntryPath(20).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    InstallStandin(EntryPath(19) + L"\\x.exe");
    for (const DWORD dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        SetScreenDpi(dpi);
        Panel panel;
        ASSERT_NE(panel.Window(), nullptr);
        EXPECT_EQ(panel.Title(), kTitle);
        for (int index = 0, slot = 0; index < torvane::kButtonCount; ++index) {
            const bool shown = std::count(installed.begin(), installed.end(), index) == 1;
            EXPECT_EQ(IsWindowVisible(panel.Button(index)), shown) << index;
            const std::vector<int> place{252 + 2268 * (slot % 4), 336 + 1512 * (slot / 4), 2112, 1356};
            EXPECT_TRUE(!shown || At(panel.Button(index), panel.Frame(), dpi, place)) << index;
            slot += shown;
        }
        EXPECT_TRUE(At(panel.Frame(), panel.Window(), dpi, {168, 0, 9414, 3426}));
        const int width = Px(9414 + 420, dpi), height = Px(3426 + 840, dpi);
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);  // at 1440, twips are pixels
        EXPECT_TRUE(At(panel.Window(), nullptr, 1440, {(w - width) / 2, (h - height) / 3, width, height}));
        EXPECT_EQ(Text(panel.Button(2)), L" Diagnostica centraline");
        EXPECT_EQ(Text(panel.Button(3)), L" VCDS  (Vag-Com)");
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    SetFileAttributesW(EntryPath(20).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW((EntryPath(19) + L"\\x.exe").c_str());
    RemoveDirectoryW(EntryPath(19).c_str());
}

TEST_F(Startup, NothingInstalledSaysSoAndEndsWithoutAWindow) {
    Panel panel;
    panel.Answer(L"Form load", L"Nessuna applicazione installata.    \r\nIl programma viene terminato.", IDOK);
    EXPECT_TRUE(panel.Ended());
    EXPECT_EQ(panel.Window(0ms), nullptr);
}

// Writing values and making sub-keys refused to everyone, as Windows does to a standard user.
void DenyWrites(const wchar_t* subKey, bool deny) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(deny ? L"D:(D;;0x6;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)",
                                                         SDDL_REVISION_1, &descriptor, nullptr);
    HKEY key;
    RegCreateKeyExW(Software32(), subKey, 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(key);
    LocalFree(descriptor);
}

TEST_F(Startup, SettingsAreInThe32BitRegistryViewAndARefusedWriteIsReportedOnce) {
    InstallEntry(0);
    RegSetKeyValueW(Software32(), kSettingsKey, nullptr, REG_SZ, L"", 2);
    DenyWrites(kSettingsKey, true);
    DenyWrites(kRunKey, true);
    {
        Panel panel;
        const auto [box, title, text] = panel.Box();
        EXPECT_EQ(title, L"Form Load");
        EXPECT_EQ(text.rfind(L"Errore -2147024891  ", 0), 0u) << std::string(text.begin(), text.end());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_NE(panel.Window(), nullptr);
        EXPECT_FALSE(std::get<0>(panel.Box(2s)));
        EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), std::nullopt);
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), std::nullopt);
    }
    DenyWrites(kSettingsKey, false);
    DenyWrites(kRunKey, false);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const REGSAM view64 = KEY_WOW64_64KEY;
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Merovi\\Torvane", L"Esegui", view64), L"NoAdminDefault");
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", L"Torvane", view64), L"");
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Merovi\\Torvane", L"Esegui", view64), std::nullopt);
}

TEST_F(Startup, ASecondStartBringsTheFirstForwardAndEnds) {
    InstallEntry(0);
    Panel first;
    ASSERT_NE(first.Window(), nullptr);
    RegDeleteKeyValueW(Software32(), kSettingsKey, L"Esegui");
    SetForegroundWindow(GetDesktopWindow());
    Panel second;
    EXPECT_TRUE(second.Ended());
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first.Window(); }, 10s));
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
    panel.Menu(104);  // Esci
    EXPECT_TRUE(panel.Ended());
}

TEST_F(Launch, ASectorProgramFirstStopsEveryStaleProcessWhileClicksAreIgnored) {
    InstallEntry(13);
    InstallEntry(0);
    for (const wchar_t* path : {L"C:\\Vecchi\\a\\start5.exe", L"C:\\Vecchi\\b\\start5.exe", L"C:\\Vecchi\\c\\x.exe"}) {
        InstallStandin(path);
    }
    Process first(L"C:\\Vecchi\\a\\start5.exe"), second(L"C:\\Vecchi\\b\\start5.exe");
    Process other(L"C:\\Vecchi\\c\\x.exe");
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 3; }));
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto start = std::chrono::steady_clock::now();
    panel.Click(13);
    panel.Click(0);  // during the waits: does nothing
    EXPECT_TRUE(first.Ended() && second.Ended());
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 4; }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 3000ms);
    EXPECT_EQ(StandinLog()[3].folder, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_FALSE(other.Ended(0ms));
    EXPECT_TRUE(panel.TitleBecomes(L" - 33  OK")) << panel.Title().c_str();
    EXPECT_FALSE(std::get<0>(panel.Box(0ms)));
    Sleep(1000);
    EXPECT_EQ(StandinLog().size(), 4u);
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
    const wchar_t command[] = L"\"C:\\Posta\\mailer.exe\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto", L"URL Protocol", REG_SZ, L"", 2);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto\\shell\\open\\command", nullptr, REG_SZ, command, sizeof(command));
    panel.Menu(103);
    ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
    const std::wstring line = StandinLog()[0].commandLine;
    for (const wchar_t* part : {L"mailto:torvane@example.com?", L"subject=about Torvane 0.3.0", L"&body="}) {
        EXPECT_NE(line.find(part), std::wstring::npos) << std::string(line.begin(), line.end());
    }
    EXPECT_FALSE(std::get<0>(panel.Box(2s)));
}

void Send(std::vector<INPUT> inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }
INPUT Key(WORD key, DWORD flags = 0) { return {INPUT_KEYBOARD, {.ki = {key, 0, flags}}}; }
INPUT Mouse(DWORD flags) { return {INPUT_MOUSE, {.mi = {0, 0, 0, flags}}}; }

int RunningPanels() {
    PROCESSENTRY32W entry{sizeof(entry)};
    int count = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        count += !_wcsicmp(entry.szExeFile, L"Torvane.exe");
    }
    return CloseHandle(snapshot), count;
}

// Wine runs "runas" as "open", without a prompt: the copy's exit code, the shell's result, ends up in the title.
TEST_F(Launch, AsAdministratorOneElevatedCopyStopsTheStaleProcessesAndStartsTheProgram) {
    InstallEntry(13);
    InstallStandin(L"C:\\Vecchi\\a\\start5.exe");
    Process stale(L"C:\\Vecchi\\a\\start5.exe");
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 1; }));
    RegSetKeyValueW(Software32(), kSettingsKey, L"Esegui", REG_SZ, L"AdminDefault", sizeof(L"AdminDefault"));
    Panel panel;
    ASSERT_NE(panel.Window(600s), nullptr);
    panel.Click(13);
    EXPECT_TRUE(WaitUntil([] { return RunningPanels() == 2; }, 600s));  // and the copy, for 1.6 s at least
    EXPECT_TRUE(stale.Ended(600s));
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 2; }, 600s));
    EXPECT_EQ(StandinLog()[1].folder, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK"; }, 300s)) << panel.Title().c_str();
}

// Copies started directly would not end if panels; from the menu, Wine runs "runas" like "open" and refuses it too.
TEST_F(Options, AStartSwitchedOffInTaskManagerShowsOffAndAWriteRefusedToTheElevatedCopyIsSaidOnce) {
    InstallEntry(0);
    const std::wstring exe = BuildFile(L"..\\..\\Torvane.exe");
    for (const auto& [argument, exitCode] : {std::pair{L"/opzione:avvio=" + exe, 87u}, {L"/opzione:avvio=si", 0u}}) {
        Process copy(exe, argument);
        ASSERT_TRUE(copy.Ended(600s));
        EXPECT_EQ(copy.ExitCode(), exitCode);
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), exitCode ? std::nullopt : std::optional(exe));
    }
    const std::vector<BYTE> off{3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kStartRecords, L"Torvane", REG_BINARY, off.data(), 12);
    Panel panel;
    ASSERT_NE(panel.Window(600s), nullptr);
    panel.Menu(101);  // the mark is clear
    panel.Answer(L"Avvio automatico", L"Vuoi attivare l'opzione di avvio automatico?   ", IDYES);
    panel.Answer(L"Avvio automatico", L"Opzione attivata      ", IDOK);
    std::vector<BYTE> record(12);
    DWORD size = 12;
    RegGetValueW(HKEY_LOCAL_MACHINE, kStartRecords, L"Torvane", RRF_RT_REG_BINARY, nullptr, record.data(), &size);
    EXPECT_EQ(record, on);

    DenyWrites(kRunKey, true);
    panel.Menu(101);
    panel.Answer(L"Avvio automatico", L"Vuoi disattivare l'opzione di avvio automatico?   ", IDYES);
    panel.Answer(L"Avvio automatico", L"Impossibile modificare l'opzione: servono i diritti di amministratore.", IDOK,
                 600s);
    EXPECT_EQ(RunningPanels(), 1);
    EXPECT_FALSE(std::get<0>(panel.Box(2s)));
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), exe);
    DenyWrites(kRunKey, false);
}

void Type(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    for (WORD code : {WORD{VK_SHIFT}, key, key, WORD{VK_SHIFT}}) inputs.push_back({INPUT_KEYBOARD, {.ki = {code}}});
    inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    if (!shift) inputs = {inputs[1], inputs[2]};
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(Keyboard, TabMovesThroughTheButtonsAndEnterSpaceOrADoubleClickStartOneOnce) {
    const std::vector<std::wstring> paths{InstallEntry(0), InstallEntry(5), InstallEntry(20)};
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    const auto type = [&](WORD key, int focus, bool shift = false) {  // then expects the focus on a button
        if (key) Type(key, shift);
        EXPECT_TRUE(WaitUntil([&] {
            GUITHREADINFO info{sizeof(info)};
            GetGUIThreadInfo(GetWindowThreadProcessId(panel.Window(), nullptr), &info);
            return info.hwndFocus == panel.Button(focus);
        })) << focus;
    };
    SetForegroundWindow(panel.Window());
    type(0, 0);
    type(VK_TAB, 5);
    type(VK_TAB, 20);
    type(VK_TAB, 5, true);
    Type(VK_RETURN);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 1; }));
    EXPECT_EQ(StandinLog()[0].path, paths[1]);
    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel.Window(); }));
    type(VK_TAB, 20);
    Type(VK_SPACE);
    ASSERT_TRUE(WaitUntil([] { return StandinLog().size() == 2; }));
    EXPECT_EQ(StandinLog()[1].path, paths[2]);

    // Held, Enter and Space start once; after a box, Enter still reaches the
    // focused button; a double click starts once, a click seconds later again.
    const auto started = [&](std::size_t count, const std::wstring& path) {
        EXPECT_TRUE(WaitUntil([&] { return StandinLog().size() >= count; }));
        Sleep(1500);
        EXPECT_EQ(StandinLog().size(), count);
        EXPECT_EQ(StandinLog().back().path, path);
        SetForegroundWindow(panel.Window());
    };
    SetForegroundWindow(panel.Window());
    for (const WORD key : {VK_RETURN, VK_SPACE}) {
        Send({Key(key), Key(key), Key(key), Key(key, KEYEVENTF_KEYUP)});
        started(StandinLog().size() + 1, paths[2]);
    }
    panel.Menu(101);
    panel.Answer(L"Avvio automatico", L"Vuoi attivare l'opzione di avvio automatico?   ", IDNO);
    // Wine with no window manager does not always give the front back to the box's owner, as
    // Windows does: brought forward, the panel has the focus on the same button again.
    SetForegroundWindow(panel.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel.Window(); }));
    type(0, 20);
    Type(VK_RETURN);
    started(5, paths[2]);
    RECT button;
    GetWindowRect(panel.Button(0), &button);
    SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    const INPUT down = Mouse(MOUSEEVENTF_LEFTDOWN), up = Mouse(MOUSEEVENTF_LEFTUP);
    Send({down, up, down, up});
    started(6, paths[0]);
    Send({down, up});
    started(7, paths[0]);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(Installer, InstallsAsA32BitProgramOverARunningOneAndUninstallingKeepsOnlyTheSettings) {
    const std::wstring folder = L"C:\\Program Files (x86)\\Torvane", exe = folder + L"\\Torvane.exe";
    const std::wstring entry = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Torvane";
    wchar_t programs[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    const std::wstring shortcut = programs + std::wstring(L"\\Torvane.lnk");

    const std::wstring setup = BuildFile(L"..\\..\\Torvane-0.3.0-setup.exe");
    EXPECT_TRUE(Process(setup, L"/S").Ended(120s));
    EXPECT_TRUE(Exists(exe));
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_EQ(ReadValue(entry.c_str(), L"DisplayVersion", KEY_WOW64_64KEY), L"0.3.0");
    EXPECT_EQ(ReadValue(L"SOFTWARE\\Wow6432Node\\Merovi\\Torvane", L"Esegui", KEY_WOW64_64KEY), L"NoAdminDefault");
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
    InstallEntry(0);
    {
        Panel panel(exe);
        ASSERT_NE(panel.Window(), nullptr);
        panel.Menu(101);  // automatic start of the installed program
        panel.Answer(L"Avvio automatico", L"Vuoi attivare l'opzione di avvio automatico?   ", IDYES);
        panel.Answer(L"Avvio automatico", L"Opzione attivata      ", IDOK);
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"\"" + exe + L"\"");
        // Installing again over a running panel closes it.
        EXPECT_TRUE(Process(setup, L"/S").Ended(120s));
        EXPECT_TRUE(panel.Ended());
    }
    // A running program that no close request reaches (another user's panel)
    // keeps its file locked: it is moved aside and the new one put in place.
    CopyFileW(BuildFile(L"standin.exe").c_str(), exe.c_str(), FALSE);
    {
        Process other(exe);
        ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
        EXPECT_TRUE(Process(setup, L"/S").Ended(120s));
        WIN32_FILE_ATTRIBUTE_DATA now{}, built{};
        GetFileAttributesExW(exe.c_str(), GetFileExInfoStandard, &now);
        GetFileAttributesExW(BuildFile(L"..\\..\\Torvane.exe").c_str(), GetFileExInfoStandard, &built);
        EXPECT_EQ(now.nFileSizeLow, built.nFileSizeLow);
        EXPECT_FALSE(other.Ended(0ms));
    }
    // The uninstaller copies itself away and ends; its copy does the work, the
    // entry last, and removes what was moved aside once it has ended.
    Process(folder + L"\\Uninstall.exe", L"/S").Ended(120s);
    EXPECT_TRUE(WaitUntil([&] { return !ReadValue(entry.c_str(), L"DisplayVersion", KEY_WOW64_64KEY); }, 300s));
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
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
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
