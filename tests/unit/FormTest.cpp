#include <gtest/gtest.h>

#include "Fakes.h"

namespace torvane::testing {
namespace {

using Pointers = std::vector<Pointer>;

TEST(FormLoad, FirstStartCreatesTheSettingsAndOpensTheTitledWindow) {
    Panel panel;
    panel.Install({12});
    panel.form.Form_Load();
    const std::vector<std::wstring> log{
        L"probe SOFTWARE\\Merovi\\Torvane",
        L"write HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\=",
        L"write HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui=NoAdminDefault",
        L"read HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\Esegui",
        L"read HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane",
        L"write HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Torvane=",
    };
    EXPECT_EQ(panel.registry.log, log);
    EXPECT_TRUE(panel.dialogs.boxes.empty());
    // The missing Run value set the default pointer early; it stays so.
    EXPECT_EQ(panel.window.pointers, (Pointers{Pointer::Busy, Pointer::Default, Pointer::Default}));
    EXPECT_EQ(panel.window.title, kTitle);
    EXPECT_EQ(panel.window.endCalls, 0);
}

TEST(FormLoad, CheckMarksMirrorTheStoredWordsExactlyAndAMissingValueAloneIsRestored) {
    // Marks start the other way; neither word leaves the administrator mark as it was.
    for (const auto& [esegui, run, admin, avvio] : {std::tuple{L"AdminDefault", L"", true, false},
                                                    std::tuple{L"admindefault", L"x", true, true},
                                                    std::tuple{L"NoAdminDefault", L"C:\\gone.exe", false, true}}) {
        Panel panel;
        panel.window.checks = {{kAdminItem, std::wstring(esegui) == L"admindefault" ? admin : !admin},
                               {kAvvioItem, !avvio}};
        panel.Start({0}, esegui, run);
        EXPECT_EQ(panel.window.checks[kAdminItem], admin) << esegui;
        EXPECT_EQ(panel.window.checks[kAvvioItem], avvio) << run;
        EXPECT_EQ(panel.registry.Writes(), 0);
        EXPECT_EQ(panel.window.pointers, (Pointers{Pointer::Busy, Pointer::Default}));
    }
    Panel panel;
    panel.registry.keyStatus = 5;  // unreadable: nothing is created
    panel.registry.values = {{kRun, L"C:\\Torvane.exe"}};
    panel.Install({0});
    panel.form.Form_Load();
    EXPECT_EQ(panel.registry.values[kEsegui], L"NoAdminDefault");
    EXPECT_EQ(panel.registry.Writes(), 1);
    EXPECT_TRUE(panel.window.checks[kAvvioItem]);
}

TEST(FormLoad, AnyRefusedWriteIsReportedOnceAndThePanelStillOpens) {
    // Access denied, a policy, a key that cannot be created.
    for (const auto& [code, prompt] : {std::pair{codes::kAccessDenied, L"Errore -2147024891  Rifiutato."},
                                       {-2147023636, L"Errore -2147023636  Rifiutato."},
                                       {-2147024883, L"Errore -2147024883  Rifiutato."}}) {
        Panel panel;
        panel.Install({0, 7});
        panel.registry.writeFailure = Failure{code, L"Rifiutato."};
        panel.form.Form_Load();
        EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{prompt}));
        EXPECT_EQ(panel.dialogs.boxes[0].title, L"Form Load");
        EXPECT_EQ(panel.dialogs.boxes[0].style, BoxStyle::Critical);
        EXPECT_EQ(panel.registry.Writes(), 4);
        EXPECT_EQ(panel.window.title, kTitle);
        EXPECT_EQ(panel.window.outer, (Size{5274, 2742}));
        EXPECT_EQ(panel.window.pointers.back(), Pointer::Default);
    }
}

TEST(FormLoad, AnyOtherFailureStopsStartUpWithTheDesignWindow) {
    Panel panel;
    panel.registry.readFailures[kEsegui] = {-2147024883, L"Dati non validi."};
    panel.Start({0});
    EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{L"Errore -2147024883  Dati non validi."}));
    EXPECT_EQ(panel.window.title, L" Torvane");
    EXPECT_TRUE(panel.files.lookups.empty());
    EXPECT_EQ(panel.window.endCalls, 0);
    EXPECT_EQ(panel.window.pointers, (Pointers{Pointer::Busy, Pointer::Default}));
}

TEST(FormLoad, SecondInstanceBringsTheFirstForwardOrJustBeepsAndEnds) {
    Panel panel;
    panel.application.anotherInstance = true;
    panel.form.Form_Load();
    EXPECT_TRUE(panel.application.activated.empty());
    EXPECT_EQ(panel.processes.sleeps, std::vector<std::uint32_t>(30, 100));  // for a first one still starting
    panel.application.windows = {{1, L"Torvane"}, {2, kTitle + L" - 33  OK"}, {3, L"Blocco note"}};
    panel.form.Form_Load();
    EXPECT_EQ(panel.application.activated, (std::vector<std::uintptr_t>{2}));
    panel.application.windows.push_back({4, kTitle});
    panel.form.Form_Load();
    EXPECT_EQ(panel.application.activated.back(), 4u);  // the exact title comes first
    EXPECT_EQ(panel.dialogs.beeps, 3);
    EXPECT_EQ(panel.window.endCalls, 3);
    EXPECT_EQ(panel.processes.sleeps.size(), 30u);
    EXPECT_TRUE(panel.registry.log.empty() && panel.files.lookups.empty() && panel.dialogs.boxes.empty());
}

TEST(FormLoad, NothingInstalledSaysSoUnderTheBusyPointerAndEnds) {
    Panel panel;
    panel.Start({});
    ASSERT_EQ(panel.dialogs.boxes.size(), 1u);
    EXPECT_EQ(panel.dialogs.boxes[0].prompt, L"Nessuna applicazione installata.    \r\nIl programma viene terminato.");
    EXPECT_EQ(panel.dialogs.boxes[0].title, L"Form load");
    EXPECT_EQ(panel.dialogs.boxes[0].style, BoxStyle::Information);
    EXPECT_EQ(panel.window.pointers, (Pointers{Pointer::Busy}));
    EXPECT_EQ(panel.window.endCalls, 1);
    EXPECT_EQ(panel.window.title, L" Torvane");
}

TEST(Closing, CloseRequestsEndTheProgramAndDoubleClicksRestoreTheTitle) {
    Panel panel;
    panel.Start({0});
    panel.window.title = kTitle + L" - 42  OK";
    panel.form.Form_DblClick();
    EXPECT_EQ(panel.window.title, kTitle);
    panel.window.title += L" - 33  OK";
    panel.form.fraBase_DblClick();
    EXPECT_EQ(panel.window.title, kTitle);
    panel.window.onClose = [&] { panel.form.Form_QueryUnload(); };
    panel.form.mnuOpzioniEsci_Click();
    EXPECT_EQ(panel.window.closeCalls, 1);
    EXPECT_EQ(panel.window.endCalls, 2);
}

}  // namespace
}  // namespace torvane::testing
