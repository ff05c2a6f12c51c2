#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/ElevatedStop.h"
#include "launch/ElevatedCopy.h"

namespace torvane::testing {
namespace {

TEST(ElevatedStop, DoesOnlyWhatItsArgumentNamesForASectorProgramAndFindsTheRestItself) {
    Panel panel;  // for its fakes
    panel.Install({13});
    panel.processes.running = {{1, L"start5.exe", 1}};
    const auto run = [&](const wchar_t* arguments) {
        return RunElevatedStop(arguments, panel.processes, panel.files, panel.shell);
    };
    for (const wchar_t* wrong : {L"/ferma:12", L"/avvia:6", L"/ferma:21", L"/ferma:-13", L"/ferma:013", L"/avvia",
                                 L"/avvia:13 C:\\altro.exe"}) {
        EXPECT_EQ(run(wrong), kCopyBadArgument) << wrong;
    }
    EXPECT_TRUE(panel.processes.names.empty() && panel.files.probes.empty() && panel.shell.calls.empty());
    EXPECT_EQ(run(L"/avvia:14"), kCopyNotInstalled);
    EXPECT_TRUE(panel.processes.names.empty());

    panel.processes.refused = {1};
    EXPECT_EQ(run(L"/ferma:13"), kCopyStillRunning);
    panel.processes.refused.clear();
    EXPECT_EQ(run(L"/ferma:13"), 0u);
    EXPECT_EQ(run(L" /avvia:13 "), 42u);
    EXPECT_EQ(panel.processes.terminated, (std::vector<std::uint32_t>{1, 1}));
    EXPECT_EQ(panel.processes.sleeps, (std::vector<std::uint32_t>{1600, 1600}));
    ASSERT_EQ(panel.shell.calls.size(), 1u);
    const ShellCall& call = panel.shell.calls[0];
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe");
    EXPECT_EQ(call.directory, L"C:\\Programmi\\Texa S.p.A\\IDC5\\car\\bin");
    EXPECT_FALSE(call.ownedByWindow);
}

}  // namespace
}  // namespace torvane::testing
