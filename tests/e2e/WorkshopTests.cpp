// What a workshop PC has and a fresh prefix has not: an elevated panel, an id
// that passed to another program, a drive that does not answer, a screen of
// another scale.

#include "Harness.h"

#include <sddl.h>

#include <vector>

#include "platform/win32/Win32Services.h"

namespace e2e {
namespace {

using Workshop = PanelTest;

// The window of a first panel that is minimized and does not answer: its
// thread never looks at its messages again.
DWORD WINAPI HungPanel(void*) {
    CreateWindowExW(0, L"STATIC", kTitle.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE, 0, 0, 300, 200,
                    nullptr, nullptr, nullptr, nullptr);
    Sleep(INFINITE);
    return 0;
}

// Next to an elevated panel, even one minimized and not answering.
TEST_F(Workshop, NextToAnElevatedPanelASecondOneEndsWithoutAWindow) {
    InstallEntry(0);
    CloseHandle(CreateThread(nullptr, 0, HungPanel, nullptr, 0, nullptr));
    ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, kTitle.c_str()) != nullptr; }));
    // An elevated panel's mutex refuses a standard user's panel all access.
    PSECURITY_DESCRIPTOR refuseAll = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;GA;;;WD)", SDDL_REVISION_1, &refuseAll, nullptr);
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), refuseAll, FALSE};
    const HANDLE elevated = CreateMutexW(&attributes, FALSE, L"Local\\Quennavo.Torvane.Instance");
    Panel second;
    EXPECT_TRUE(second.Ended());
    EXPECT_EQ(second.TopLevel(L"TorvaneFrmTorvane", 0ms), nullptr);
    CloseHandle(elevated);
    LocalFree(refuseAll);
}

TEST_F(Workshop, AProcessIsStoppedOnlyUnderTheNameItWasListedWith) {
    InstallStandin(L"C:\\Vecchi\\d\\other.exe");
    Process other(L"C:\\Vecchi\\d\\other.exe");
    ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
    const DWORD id = StandinLog()[0].pid;
    torvane::win32::Win32Processes processes;
    EXPECT_EQ(processes.Terminate(id, L"start5.exe"), torvane::Termination::Gone);
    EXPECT_FALSE(other.Ended(2s));
    EXPECT_EQ(processes.Terminate(id, L"other.exe"), torvane::Termination::Stopped);
    EXPECT_TRUE(other.Ended());
}

// Renames a folder given by its path outside Windows.
bool MoveUnixFolder(const std::wstring& from, const std::wstring& to) {
    return MoveFileW((L"\\\\?\\unix" + from).c_str(), (L"\\\\?\\unix" + to).c_str());
}

// D: made a link to itself, as Wine shows a drive that cannot be reached
// (error 1921 on every lookup): left out without a word. D: and C:\Programme
// answering every lookup late, the first after seconds: waited for. D: whose
// root answers and nothing else ever does: given up and named in the title; a
// lookup still waiting on it keeps neither this panel nor the next one waiting.
TEST_F(Workshop, ADriveIsWaitedForWhileItAnswersAndOneThatStopsIsNamedInTheTitle) {
    InstallEntry(0);
    wchar_t folder[MAX_PATH];
    const std::wstring d(folder, GetEnvironmentVariableW(L"WINEPREFIX", folder, MAX_PATH)), unix = L"\\\\?\\unix" + d;
    // What the late drives pass through, at the pace in their ".pace" file: to the first answer, then between them.
    const auto setPace = [&](const wchar_t* source, const char* pace) {
        const std::wstring file = unix + source + L"-source/.pace";
        std::ofstream(std::string(file.begin(), file.end())) << pace;
    };
    struct Drive {
        const wchar_t* folder;
        const char* pace;
        std::wstring title;
    };
    for (const Drive& drive : {Drive{L".d-loop", "0 0", kTitle}, Drive{L".d-slow", "4000 40", kTitle},
                               Drive{L".d-slow", "-1 0", kTitle + L" - D:\\ non risponde"}}) {
        SCOPED_TRACE(drive.pace);
        if (GetFileAttributesW((unix + drive.folder).c_str()) == INVALID_FILE_ATTRIBUTES) {
            GTEST_SKIP() << "no FUSE here for drives that answer late or not at all";
        }
        ASSERT_TRUE(MoveUnixFolder(d + L".d", d + L".d-aside"));
        ASSERT_TRUE(MoveUnixFolder(d + drive.folder, d + L".d"));
        const bool late = drive.pace == std::string("4000 40");
        if (late) {
            InstallStandin(unix + L".d-slow-source" + EntryPath(1, L"D:\\Programmi").substr(2));
            InstallStandin(unix + L".c-slow-source" + EntryPath(20, L"C:\\Programme").substr(12));
            setPace(L".c-slow", drive.pace);
        }
        setPace(L".d-slow", drive.pace);
        {
            Panel panel;
            ASSERT_NE(panel.Window(), nullptr);
            EXPECT_EQ(panel.Title(), drive.title);
            EXPECT_EQ(panel.TopLevel(L"#32770", 0ms), nullptr);
            EXPECT_EQ(late, IsWindowVisible(panel.Button(1)) && IsWindowVisible(panel.Button(20)));
            PostMessageW(panel.Window(), WM_CLOSE, 0, 0);
            EXPECT_TRUE(panel.Ended(30s));
        }
        setPace(L".c-slow", "0 0");
        DeleteFileW((unix + L".c-slow-source" + EntryPath(20, L"C:\\Programme").substr(12)).c_str());
        if (drive.title != kTitle) {
            EXPECT_NE(Panel().Window(), nullptr);  // the next start opens a panel
        }
        EXPECT_TRUE(MoveUnixFolder(d + L".d", d + drive.folder));
        EXPECT_TRUE(MoveUnixFolder(d + L".d-aside", d + L".d"));
    }
}

TEST_F(Workshop, AfterADpiChangeThePanelLooksAsAFullRepaintDrawsIt) {
    InstallEntry(13);
    // Grown under a pointer that an earlier case left on the screen, a button
    // would light up whenever the X server's crossing event arrives.
    SetCursorPos(0, 0);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    Pixels(panel.Window());
    // What Windows sends on a move to a screen of 144 DPI. Wine passes the
    // rectangle's address as it is, so the rectangle goes into the panel's memory.
    RECT now;
    GetWindowRect(panel.Window(), &now);
    const RECT suggested{now.left, now.top, now.left + (now.right - now.left) * 3 / 2,
                         now.top + (now.bottom - now.top) * 3 / 2};
    DWORD id = 0;
    GetWindowThreadProcessId(panel.Window(), &id);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, id);
    void* remote = VirtualAllocEx(process, nullptr, sizeof(suggested), MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remote, &suggested, sizeof(suggested), nullptr);
    // Wine learns late from the X server that the grown window is exposed:
    // what the screen shows counts once it stays as it is.
    const auto settled = [&] {
        std::vector<DWORD> shown = Pixels(panel.Window());
        for (int look = 0; look < 20; ++look) {
            Sleep(250);
            std::vector<DWORD> again = Pixels(panel.Window());
            if (again == shown) break;
            shown = std::move(again);
        }
        return shown;
    };
    SendMessageW(panel.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
    const std::vector<DWORD> afterChange = settled();
    RedrawWindow(panel.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    const std::vector<DWORD> repainted = settled();
    ASSERT_EQ(afterChange.size(), repainted.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < afterChange.size(); ++i) differing += afterChange[i] != repainted[i];
    EXPECT_EQ(differing, 0u);
    RECT button;
    GetClientRect(panel.Button(13), &button);
    EXPECT_EQ(button.right, 211);  // 2112 twips at 144 DPI
    CloseHandle(process);
}

}  // namespace
}  // namespace e2e
