#include <gtest/gtest.h>

#include "Fakes.h"
#include "launch/Launch.h"
#include "launch/ResultMessages.h"
#include "launch/StaleProcesses.h"

namespace torvane::testing {
namespace {

TEST(ResultMessage, CodesMapToTheirTextsAndOthersToNone) {
    const std::vector<std::pair<std::int32_t, std::optional<std::wstring>>> cases{
        {0, L"Sistema operativo, risorse di memoria esaurite"},
        {1, std::nullopt},
        {2, L"File da aprire non trovato"},
        {30, std::nullopt},
        {31, L"Nessuna applicazione associata alla estensione del file"},
        {32, L"La libreria \"dynamic-link library\" specificata non \u00e8 stata trovata"},
        {33, L"OK"},
        {42, L"OK"},
        {43, std::nullopt},
        {-1, std::nullopt},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(ResultMessage(code), text) << code;
    EXPECT_EQ(WorkingDirectory(L"C:\\Texa\\car\\start5.exe"), L"C:\\Texa\\car");
    EXPECT_EQ(WorkingDirectory(L"VCDS.exe"), std::nullopt);
}

TEST(StaleProcesses, StopsEveryProcessOfTheSuitesInItsSessionByExactNameWaitingAfterEachEvenOneThatWillNotStop) {
    FakeProcesses processes;
    processes.running = {{1, L"start5.exe", 1}, {2, L"START5.EXE", 1},   {3, L"mystart5.exe", 1}, {4, std::nullopt, 1},
                         {5, L"mstart.exe", 1}, {6, L"start4.exe", 1},   {7, L"autodia16.exe", 1},
                         {8, L"Mstart5.exe", 1}, {9, L"start5.exe", 2}, {10, L"start5.exe", std::nullopt}};  // other, unknown session
    processes.refused = {5};
    int pumps = 0;
    EXPECT_EQ(StopStaleProcesses(processes, [&] { ++pumps; }), std::nullopt);
    EXPECT_EQ(processes.names, (std::vector<std::wstring>{L"start5.exe", L"mstart.exe", L"start4.exe",
                                                          L"autodia16.exe", L"Mstart5.exe"}));
    EXPECT_EQ(processes.terminated, (std::vector<std::uint32_t>{1, 6, 7, 8}));
    EXPECT_EQ(processes.sleeps, (std::vector<std::uint32_t>(5, 1600)));
    EXPECT_EQ(pumps, 6);

    processes.listFailure = Failure{-2147023174, L"RPC"};
    EXPECT_EQ(StopStaleProcesses(processes, [] {})->code, -2147023174);
}

struct Launching : ::testing::Test {
    Panel panel;
    void SetUp() override { panel.Start({0, 6, 12, 13}); }
    std::wstring Appended() const { return panel.window.title.substr(kTitle.size()); }
};

TEST_F(Launching, StartsTheApplicationInItsFolderAndReportsTheResult) {
    panel.processes.running = {{1, L"start5.exe", 1}};
    std::vector<std::uint32_t> stoppedBeforeLaunch;
    panel.shell.onExecute = [&] { stoppedBeforeLaunch = panel.processes.terminated; };
    panel.form.cmdApplicazioni_Click(13);
    ASSERT_EQ(panel.shell.calls.size(), 1u);
    const ShellCall& call = panel.shell.calls[0];
    EXPECT_TRUE(call.ownedByWindow);
    EXPECT_EQ(call.verb + L" " + call.file + L" in " + call.directory.value_or(L"?"),
              L"open C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe in C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_EQ(stoppedBeforeLaunch, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(Appended(), L" - 42  OK");
    EXPECT_EQ(panel.dialogs.beeps, 1);
    EXPECT_EQ(panel.window.bottomCalls, 1);

    panel.window.checks[CheckItem::Admin] = true;
    panel.shell.result = 2;
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls[1].verb, L"runas");
    EXPECT_EQ(Appended(), L" - 42  OK - 2  File da aprire non trovato");

    panel.shell.result = 43;
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(Appended(), L" - 42  OK - 2  File da aprire non trovato - 43  ");
    EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{L"Return value = 43"}));
    EXPECT_EQ(panel.dialogs.boxes[0].title, L"Return value");
}

TEST_F(Launching, CommonStartProgramsAndOtherEntriesStopNothing) {
    panel.processes.running = {{1, L"mstart.exe", 1}, {2, L"Mstart5.exe", 1}, {3, L"start5.exe", 1}};
    for (std::int16_t index : {0, 6, 12}) panel.form.cmdApplicazioni_Click(index);
    EXPECT_TRUE(panel.processes.terminated.empty());
    EXPECT_EQ(panel.shell.calls.size(), 3u);
}

TEST_F(Launching, ClicksDuringALaunchAreIgnoredEvenAfterAFailureAndTheNextOneWorks) {
    panel.processes.listFailure = Failure{-2147023174, L"Il server RPC non \u00e8 disponibile."};
    // Clicks arrive at every pump until the shell has been called.
    panel.window.onPump = [&] { panel.shell.calls.empty() ? panel.form.cmdApplicazioni_Click(0) : void(); };
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.shell.calls.size(), 1u);
    EXPECT_EQ(panel.dialogs.Prompts(),
              (std::vector<std::wstring>{L"Errore -2147023174  Il server RPC non \u00e8 disponibile."}));
    EXPECT_EQ(panel.dialogs.boxes[0].title, L"CMDApplicazioni");
    EXPECT_EQ(Appended(), L" - 42  OK");

    panel.window.onPump = nullptr;
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls.size(), 2u);
}

TEST_F(Launching, NothingToStartDoesNothingAndTheNextClickWorks) {
    panel.form.cmdApplicazioni_Click(5);   // not installed
    panel.form.cmdApplicazioni_Click(22);  // placeholder
    panel.form.cmdApplicazioni_Click(-1);
    panel.form.cmdApplicazioni_Click(24);
    EXPECT_TRUE(panel.shell.calls.empty());
    EXPECT_EQ(panel.dialogs.beeps, 0);
    EXPECT_EQ(panel.window.title, kTitle);

    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls.size(), 1u);
}

// A click at `ms` on the system's clock, `dx` pixels right of the first one;
// double clicks within 500 ms and a 4-pixel square.
Click MouseAt(std::uint32_t ms, int dx = 0) { return {true, ms, 100 + dx, 100, 500, 4, 4}; }

TEST_F(Launching, OnlyTheSecondClickOfADoubleClickOnTheButtonJustStartedIsIgnored) {
    panel.form.ButtonPressed(0, MouseAt(1000));
    panel.form.ButtonPressed(0, MouseAt(1500, 2));
    EXPECT_EQ(panel.shell.calls.size(), 1u);

    ClickFilter filter;
    EXPECT_TRUE(filter.Admits(3, MouseAt(1000)));
    EXPECT_TRUE(filter.Admits(3, MouseAt(1501)));      // too late
    EXPECT_TRUE(filter.Admits(3, MouseAt(1600, 3)));   // too far
    EXPECT_TRUE(filter.Admits(4, MouseAt(1700, 3)));   // another button
    EXPECT_TRUE(filter.Admits(4, Click{}));            // a key
    EXPECT_TRUE(filter.Admits(4, MouseAt(1800, 3)));   // after a key
    EXPECT_TRUE(filter.Admits(4, MouseAt(0xFFFFFF00)));
    EXPECT_FALSE(filter.Admits(4, MouseAt(0xF0, -2)));  // the clock went round in between
}

}  // namespace
}  // namespace torvane::testing
