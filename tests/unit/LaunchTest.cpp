#include <gtest/gtest.h>

#include "Fakes.h"
#include "launch/ElevatedCopy.h"
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

TEST(StaleProcesses, StopsEveryProcessOfTheSuitesInItsSessionByExactNameWaitingAfterEachItStopped) {
    FakeProcesses processes;
    processes.running = {{1, L"start5.exe", 1}, {2, L"START5.EXE", 1},   {3, L"mystart5.exe", 1}, {4, std::nullopt, 1},
                         {5, L"mstart.exe", 1}, {6, L"start4.exe", 1},   {7, L"autodia16.exe", 1},
                         {8, L"Mstart5.exe", 1}, {9, L"start5.exe", 2}};  // another user's session
    processes.refused = {5};
    int pumps = 0;
    EXPECT_EQ(StopStaleProcesses(processes, [&] { ++pumps; }).value(), Stale::SomeRunOn);
    EXPECT_EQ(processes.names, (std::vector<std::wstring>{L"start5.exe", L"mstart.exe", L"start4.exe",
                                                          L"autodia16.exe", L"Mstart5.exe"}));
    EXPECT_EQ(processes.terminated, (std::vector<std::uint32_t>{1, 6, 7, 8}));
    EXPECT_EQ(processes.sleeps, (std::vector<std::uint32_t>(4, 1600)));
    EXPECT_EQ(pumps, 5);
    processes.refused.clear();
    EXPECT_EQ(StopStaleProcesses(processes, [] {}).value(), Stale::AllStopped);

    processes.listFailure = Failure{-2147023174, L"RPC"};
    EXPECT_EQ(StopStaleProcesses(processes, [] {}).failure().code, -2147023174);
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
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe");
    EXPECT_EQ(call.directory, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_EQ(stoppedBeforeLaunch, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(Appended(), L" - 42  OK");
    EXPECT_EQ(panel.dialogs.beeps, 1);
    EXPECT_EQ(panel.window.bottomCalls, 1);

    panel.window.checks[kAdminItem] = true;
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

TEST_F(Launching, AStaleProcessThePanelMayNotStopIsLeftToOneElevatedCopyAndADeclinedOneToNone) {
    panel.processes.running = {{1, L"start5.exe", 1}, {2, L"start4.exe", 1}};
    panel.processes.refused = {1, 2};  // started as administrator
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.elevation.runs, (std::vector<std::wstring>{L"/ferma:13"}));
    EXPECT_TRUE(panel.processes.sleeps.empty());  // the copy waits after its own stops
    EXPECT_EQ(panel.shell.calls.at(0).verb, L"open");
    EXPECT_EQ(Appended(), L" - 42  OK");

    panel.elevation.result = Failure{codes::kCancelled, L"Annullato."};
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.elevation.runs.size(), 2u);
    EXPECT_EQ(panel.shell.calls.size(), 2u);
    EXPECT_EQ(Appended(), L" - 42  OK - 42  OK - il processo precedente \u00e8 ancora attivo");
    EXPECT_TRUE(panel.dialogs.boxes.empty());
}

TEST_F(Launching, AsAdministratorOneElevatedCopyStopsAndStartsWhileTheButtonsTakeNoClicks) {
    panel.window.checks[kAdminItem] = true;
    panel.processes.running = {{1, L"start5.exe", 1}};
    std::vector<bool> takingClicks;
    panel.elevation.onRun = [&] { takingClicks.push_back(panel.window.takesClicks); };
    panel.elevation.result = 33u;
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.elevation.runs, (std::vector<std::wstring>{L"/avvia:13"}));
    EXPECT_TRUE(panel.processes.names.empty() && panel.shell.calls.empty());
    EXPECT_EQ(Appended(), L" - 33  OK");

    panel.elevation.result = Failure{codes::kCancelled, L"Annullato."};
    panel.form.cmdApplicazioni_Click(13);
    const std::wstring title = panel.window.title;
    EXPECT_EQ(Appended(), L" - 33  OK - 5  Accesso negato al file dal S.O.");

    panel.elevation.result = kCopyNotInstalled;
    panel.form.cmdApplicazioni_Click(13);
    EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{
                                           L"Errore 536870914  Applicazione non trovata dalla copia con diritti "
                                           L"di amministratore"}));
    EXPECT_EQ(panel.dialogs.boxes[0].title, L"CMDApplicazioni");
    EXPECT_EQ(panel.window.title, title);
    EXPECT_TRUE(panel.window.takesClicks);

    panel.registry.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
    panel.dialogs.answers = {Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(takingClicks, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(panel.window.takesClicks);
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

    // An invalid call ends the launch silently; the next click still works.
    panel.processes.listFailure = Failure{codes::kInvalidCall, L"Chiamata non valida"};
    panel.form.cmdApplicazioni_Click(13);
    panel.processes.listFailure.reset();
    panel.form.cmdApplicazioni_Click(0);
    EXPECT_EQ(panel.shell.calls.size(), 3u);
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

}  // namespace
}  // namespace torvane::testing
