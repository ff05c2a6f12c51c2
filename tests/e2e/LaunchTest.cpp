#include "Fixture.h"

namespace e2e {
namespace {

// Starts a stand-in directly, as a stale process left over from earlier work.
class Running {
public:
    explicit Running(const std::wstring& path) {
        InstallStandin(path);
        std::wstring commandLine = L"\"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process_);
    }
    ~Running() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Ended(std::chrono::milliseconds timeout) const {
        return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
};

std::size_t Launches() { return StandinLog().size(); }

TEST_F(PanelTest, AClickStartsTheApplicationInItsFolderAndReportsTheResult) {
    const std::wstring path = InstallEntry(4, L"C:\\Program Files");
    InstallEntry(20);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Click(4);
    ASSERT_TRUE(WaitUntil([] { return Launches() == 1; }));
    const StandinRun run = StandinLog()[0];
    EXPECT_EQ(run.path, path);
    EXPECT_EQ(run.folder, L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)");
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK"; })) << panel.Title().c_str();

    panel.Click(20);
    ASSERT_TRUE(WaitUntil([] { return Launches() == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK - 33  OK"; }));
}

TEST_F(PanelTest, AnApplicationRemovedAfterStartUpIsReportedInTheTitle) {
    const std::wstring path = InstallEntry(18);
    InstallEntry(0);
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    DeleteFileW(path.c_str());
    panel.Click(18);
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 2  File da aprire non trovato"; }))
        << panel.Title().c_str();
    EXPECT_EQ(Launches(), 0u);
}

TEST_F(PanelTest, ASectorProgramFirstStopsEveryStaleProcessWhileFurtherClicksAreIgnored) {
    InstallEntry(13);
    InstallEntry(0);
    Running first(L"C:\\Vecchi\\a\\start5.exe");
    Running second(L"C:\\Vecchi\\b\\start5.exe");
    Running other(L"C:\\Vecchi\\c\\autodia17.exe");
    ASSERT_TRUE(WaitUntil([] { return Launches() == 3; }));
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);

    const auto start = std::chrono::steady_clock::now();
    panel.Click(13);
    EXPECT_TRUE(first.Ended(5s));
    panel.Click(0);  // during the waits: does nothing
    EXPECT_TRUE(second.Ended(5s));
    ASSERT_TRUE(WaitUntil([] { return Launches() == 4; }));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 3000ms);
    EXPECT_LT(elapsed, 8000ms);
    EXPECT_EQ(StandinLog()[3].folder, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_FALSE(other.Ended(0ms));
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK"; })) << panel.Title().c_str();
    Sleep(500);
    EXPECT_EQ(Launches(), 4u);
}

TEST_F(PanelTest, TheSuitesCommonStartProgramStopsNothing) {
    InstallEntry(12);
    Running stale(L"C:\\Vecchi\\start5.exe");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Click(12);
    EXPECT_TRUE(WaitUntil([&] { return panel.Title() == kTitle + L" - 33  OK"; }));
    EXPECT_FALSE(stale.Ended(0ms));
}

}  // namespace
}  // namespace e2e
