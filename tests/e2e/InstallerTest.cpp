#include <shlobj.h>

#include "Fixture.h"

namespace e2e {
namespace {

// Runs a program and waits for it to end; its exit code.
DWORD RunAndWait(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring CommonPrograms() {
    wchar_t path[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Torvane";

TEST_F(PanelTest, SilentInstallRunsFromProgramFilesAndSilentUninstallLeavesNothing) {
    // The program-files folder of this program's kind: "(x86)" for 32 bits.
    const std::wstring folder = Env(L"ProgramFiles") + L"\\Torvane";
    const std::wstring exe = folder + L"\\Torvane.exe";
    const std::wstring shortcut = CommonPrograms() + L"\\Torvane.lnk";

    ASSERT_EQ(RunAndWait(L"\"" + Env(L"TORVANE_SETUP") + L"\" /S"), 0u);
    EXPECT_TRUE(Exists(exe));
    EXPECT_TRUE(Exists(shortcut));
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
    EXPECT_EQ(ReadValue(kUninstallKey, L"DisplayVersion"), L"0.3.0");

    InstallEntry(0);
    {
        Panel panel(exe);
        ASSERT_NE(panel.Window(), nullptr);
        EXPECT_EQ(panel.Title(), kTitle);
        // Automatic start from the installed place.
        panel.Menu(101);
        const auto question = panel.WaitForBox();
        ASSERT_TRUE(question);
        panel.Answer(*question, IDYES);
        const auto done = panel.WaitForBox();
        ASSERT_TRUE(done);
        panel.Answer(*done, IDOK);
        const std::wstring expected = exe.find(L' ') == std::wstring::npos ? exe : L"\"" + exe + L"\"";
        EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), expected);
        panel.Close();
        EXPECT_TRUE(panel.Exited());
    }

    // The uninstaller copies itself away and ends; its copy does the work,
    // the uninstall entry last.
    RunAndWait(L"\"" + folder + L"\\Uninstall.exe\" /S");
    EXPECT_TRUE(WaitUntil([&] { return !ReadValue(kUninstallKey, L"DisplayVersion"); }, 30s));
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), std::nullopt);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");  // kept unless asked
}

}  // namespace
}  // namespace e2e
