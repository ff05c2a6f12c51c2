#include <gtest/gtest.h>

#include "Fakes.h"
#include "launch/Launch.h"

namespace torvane::testing {
namespace {

const std::wstring kCar5 = L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe";

struct Launching : ::testing::Test {
    Panel panel;
    void SetUp() override {
        panel.Install({0, 6, 12, 13});
        panel.Configured(L"NoAdminDefault", L"");
        panel.form.Form_Load();
    }
    std::wstring Appended() const { return panel.window.title.substr(kTitle.size()); }
};

TEST_F(Launching, StartsTheApplicationInItsFolderAndReportsTheResult) {
    panel.form.cmdApplicazioni_Click(13);
    ASSERT_EQ(panel.shell.calls.size(), 1u);
    const ShellCall& call = panel.shell.calls[0];
    EXPECT_TRUE(call.ownedByWindow);
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, kCar5);
    EXPECT_EQ(call.directory, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_EQ(Appended(), L" - 42  OK");
    EXPECT_EQ(panel.window.beeps, 1);
    EXPECT_EQ(panel.window.bottomCalls, 1);

    panel.window.checks[CheckItem::Admin] = true;
    panel.shell.result = 2;
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls[1].verb, L"runas");
    EXPECT_EQ(Appended(), L" - 42  OK - 2  File da aprire non trovato");
}

TEST_F(Launching, ResultCodesMapToTheirTextsAndUnknownCodesGetABox) {
    struct Case {
        std::int32_t code;
        std::wstring text;
    };
    const std::vector<Case> cases{
        {0, L"Sistema operativo, risorse di memoria esaurite"},
        {30, L""},
        {31, L"Nessuna applicazione associata alla estensione del file"},
        {32, L"La libreria \"dynamic-link library\" specificata non \u00e8 stata trovata"},
        {33, L"OK"},
        {42, L"OK"},
        {43, L""},
        {-1, L""},
    };
    for (const Case& c : cases) {
        panel.window.title = kTitle;
        panel.window.boxes.clear();
        panel.shell.result = c.code;
        panel.form.cmdApplicazioni_Click(0);
        EXPECT_EQ(Appended(), L" - " + std::to_wstring(c.code) + L"  " + c.text);
        if (c.text.empty()) {
            ASSERT_EQ(panel.window.boxes.size(), 1u) << c.code;
            EXPECT_EQ(panel.window.boxes[0].prompt, L"Return value = " + std::to_wstring(c.code));
            EXPECT_EQ(panel.window.boxes[0].title, L"Return value");
        } else {
            EXPECT_TRUE(panel.window.boxes.empty()) << c.code;
        }
    }
}

TEST_F(Launching, ClicksDuringALaunchAreIgnoredAndTheNextOneWorks) {
    panel.processes.running = {{10, L"start5.exe"}};
    // Clicks arrive at every pump until the shell has been called.
    panel.window.onPump = [&] {
        if (panel.shell.calls.empty()) panel.form.cmdApplicazioni_Click(0);
    };
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.shell.calls.size(), 1u);
    EXPECT_EQ(panel.window.beeps, 1);
    EXPECT_EQ(Appended(), L" - 42  OK");

    panel.window.onPump = nullptr;
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls.size(), 2u);
}

TEST_F(Launching, SectorProgramsStopStaleProcessesByExactNameFirst) {
    panel.processes.running = {{1, L"start5.exe"}, {2, L"START5.EXE"}, {3, L"mystart5.exe"}, {4, std::nullopt},
                               {5, L"mstart.exe"},  {6, L"start5.exe"}, {7, L"autodia16.exe"}};
    std::vector<std::uint32_t> stoppedBeforeLaunch;
    panel.shell.onExecute = [&] { stoppedBeforeLaunch = panel.processes.terminated; };
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(stoppedBeforeLaunch, (std::vector<std::uint32_t>{1, 5, 6, 7}));
    EXPECT_EQ(panel.processes.sleeps, (std::vector<std::uint32_t>(4, 1600)));
}

TEST_F(Launching, CommonStartProgramsAndOtherEntriesStopNothing) {
    panel.processes.running = {{1, L"mstart.exe"}, {2, L"Mstart5.exe"}, {3, L"start5.exe"}};
    for (std::int16_t index : {0, 6, 12}) panel.form.cmdApplicazioni_Click(index);
    EXPECT_EQ(panel.processes.listings, 0);
    EXPECT_TRUE(panel.processes.terminated.empty());
    EXPECT_EQ(panel.shell.calls.size(), 3u);
}

TEST_F(Launching, AVanishedProcessEndsTheStopSilentlyAndTheLaunchGoesOn) {
    panel.processes.running = {{1, L"start5.exe"}, {2, L"start4.exe"}};
    panel.processes.vanished = {1};
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_TRUE(panel.window.boxes.empty());
    EXPECT_TRUE(panel.processes.terminated.empty());
    EXPECT_EQ(panel.shell.calls.size(), 1u);
}

TEST_F(Launching, StopFailuresAreShownThenTheLaunchGoesOnStillGuarded) {
    panel.processes.listFailure = Failure{-2147023174, L"Il server RPC non \u00e8 disponibile."};
    int nestedLaunches = 0;
    panel.window.onPump = [&] {
        if (!panel.shell.calls.empty()) return;
        panel.form.cmdApplicazioni_Click(0);
        nestedLaunches += !panel.shell.calls.empty();
    };
    panel.form.cmdApplicazioni_Click(13);
    ASSERT_EQ(panel.window.boxes.size(), 1u);
    EXPECT_EQ(panel.window.boxes[0].prompt, L"Errore -2147023174  Il server RPC non \u00e8 disponibile.");
    EXPECT_EQ(panel.window.boxes[0].title, L"CMDApplicazioni");
    EXPECT_EQ(panel.shell.calls.size(), 1u);
    EXPECT_EQ(nestedLaunches, 0);
    EXPECT_EQ(Appended(), L" - 42  OK");
}

TEST(WorkingDirectory, IsTheExecutablesFolderWithoutItsBackslash) {
    EXPECT_EQ(WorkingDirectory(L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe"),
              L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_EQ(WorkingDirectory(L"C:\\VCDS.exe"), L"C:");
    EXPECT_EQ(WorkingDirectory(L"VCDS.exe"), std::nullopt);
}

TEST_F(Launching, EmptyPathsLaunchNothingShowNothingAndTheNextClickWorks) {
    const std::wstring before = panel.window.title;
    panel.form.cmdApplicazioni_Click(5);   // not installed
    panel.form.cmdApplicazioni_Click(22);  // placeholder
    EXPECT_TRUE(panel.shell.calls.empty());
    EXPECT_EQ(panel.window.beeps, 0);
    EXPECT_EQ(panel.window.title, before);

    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls.size(), 1u);
}

}  // namespace
}  // namespace torvane::testing
