#include <gtest/gtest.h>

#include "Fakes.h"

namespace torvane::testing {
namespace {

TEST(FormLoad, FirstStartCreatesTheSettingsAndOpensThePlacedWindow) {
    Panel panel;
    panel.Install({12});
    panel.form.Form_Load();

    EXPECT_EQ(panel.registry.log, (std::vector<std::wstring>{
                                      L"probe SOFTWARE\\Merovi\\Torvane",
                                      L"write HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\=",
                                      L"write " + kEsegui + L"=NoAdminDefault",
                                      L"read " + kEsegui,
                                      L"read " + kRun,
                                      L"write " + kRun + L"=",
                                  }));
    EXPECT_FALSE(panel.window.checks[CheckItem::Admin]);
    EXPECT_FALSE(panel.window.checks[CheckItem::Avvio]);
    EXPECT_TRUE(panel.window.boxes.empty());
    // The missing Run value set the default pointer early; it stays so.
    EXPECT_EQ(panel.window.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default, Pointer::Default}));
    EXPECT_EQ(panel.window.title, kTitle);
    EXPECT_EQ(panel.window.outer, (Size{2994, 2742}));
    EXPECT_DOUBLE_EQ(panel.window.left, (19200 - 2994) / 2.0);
    EXPECT_DOUBLE_EQ(panel.window.top, (14400 - 2742) / 3.0);
    EXPECT_EQ(panel.window.pumps, 24);
    EXPECT_EQ(panel.window.endCalls, 0);
}

TEST(FormLoad, CheckMarksMirrorTheStoredOptionsExactly) {
    struct Case {
        std::wstring esegui, run;
        bool admin, avvio;
    };
    for (const Case& c : {Case{L"AdminDefault", L"", true, false}, Case{L"admindefault", L"x", false, true},
                          Case{L"NoAdminDefault", L"C:\\gone\\Torvane.exe", false, true}}) {
        Panel panel;
        panel.Install({0});
        panel.Configured(c.esegui, c.run);
        panel.form.Form_Load();
        EXPECT_EQ(panel.window.checks[CheckItem::Admin], c.admin) << c.esegui;
        EXPECT_EQ(panel.window.checks[CheckItem::Avvio], c.avvio) << c.run;
        EXPECT_EQ(panel.registry.Writes(), 0);
        EXPECT_EQ(panel.window.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
    }
}

TEST(FormLoad, MissingEseguiIsRestoredWithoutTouchingTheAutoStartSetting) {
    Panel panel;
    panel.Install({0});
    panel.Configured(L"", L"C:\\Programmi\\Torvane\\Torvane.exe");
    panel.registry.values.erase(kEsegui);
    panel.form.Form_Load();

    EXPECT_EQ(panel.registry.values[kEsegui], L"NoAdminDefault");
    EXPECT_EQ(panel.registry.values[kRun], L"C:\\Programmi\\Torvane\\Torvane.exe");
    EXPECT_TRUE(panel.window.checks[CheckItem::Avvio]);
    EXPECT_FALSE(panel.window.checks[CheckItem::Admin]);
    EXPECT_EQ(panel.window.title, kTitle);
}

TEST(FormLoad, UnreadableKeyWritesNothingAndTheReadsDecide) {
    Panel panel;
    panel.Install({0});
    panel.Configured(L"AdminDefault", L"");
    panel.registry.keyStatus = 5;
    panel.form.Form_Load();
    EXPECT_EQ(panel.registry.Writes(), 0);
    EXPECT_TRUE(panel.window.checks[CheckItem::Admin]);
}

TEST(FormLoad, RefusedWritesAreReportedOnceAndThePanelStillOpens) {
    Panel panel;
    panel.Install({0, 7});
    panel.registry.refuseAllWrites = true;
    panel.form.Form_Load();

    ASSERT_EQ(panel.window.boxes.size(), 1u);
    EXPECT_EQ(panel.window.boxes[0].prompt, L"Errore -2147024891  Accesso negato.");
    EXPECT_EQ(panel.window.boxes[0].title, L"Form Load");
    EXPECT_EQ(panel.window.boxes[0].style, BoxStyle::Critical);
    EXPECT_EQ(panel.form.InstalledCount(), 2);
    EXPECT_EQ(panel.window.title, kTitle);
    EXPECT_EQ(panel.window.outer, (Size{5274, 2742}));
    EXPECT_EQ(panel.window.pointers.back(), Pointer::Default);
}

TEST(FormLoad, AnyOtherFailureStopsStartUpWithTheDesignWindow) {
    Panel panel;
    panel.Install({0});
    panel.registry.readFailures[kEsegui] = {-2147024883, L"Dati non validi."};
    panel.form.Form_Load();

    ASSERT_EQ(panel.window.boxes.size(), 1u);
    EXPECT_EQ(panel.window.boxes[0].prompt, L"Errore -2147024883  Dati non validi.");
    EXPECT_EQ(panel.window.title, L" Torvane");
    EXPECT_TRUE(panel.files.lookups.empty());
    EXPECT_EQ(panel.window.endCalls, 0);
    EXPECT_EQ(panel.window.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Default}));
}

TEST(FormLoad, SecondInstanceBringsTheFirstForwardAndEndsWithoutRegistryOrDetection) {
    Panel panel;
    panel.application.anotherInstance = true;
    panel.application.windows = {{1, L"Torvane"}, {2, kTitle + L" - 33  OK"}, {3, L"Blocco note"}};
    panel.form.Form_Load();
    EXPECT_EQ(panel.application.activated, (std::vector<std::uintptr_t>{2}));

    panel.application.windows.push_back({4, kTitle});
    panel.form.Form_Load();
    EXPECT_EQ(panel.application.activated.back(), 4u);  // the exact title comes first

    EXPECT_EQ(panel.window.beeps, 2);
    EXPECT_EQ(panel.window.endCalls, 2);
    EXPECT_TRUE(panel.registry.log.empty());
    EXPECT_TRUE(panel.files.lookups.empty());
    EXPECT_TRUE(panel.window.boxes.empty());
}

TEST(FormLoad, SecondInstanceWithoutAWindowToActivateJustBeepsAndEnds) {
    Panel panel;
    panel.application.anotherInstance = true;
    panel.form.Form_Load();
    EXPECT_TRUE(panel.application.activated.empty());
    EXPECT_EQ(panel.window.beeps, 1);
    EXPECT_EQ(panel.window.endCalls, 1);
    EXPECT_TRUE(panel.window.boxes.empty());
}

TEST(FormLoad, NothingInstalledSaysSoUnderTheBusyPointerAndEnds) {
    Panel panel;
    panel.Configured(L"NoAdminDefault", L"");
    panel.form.Form_Load();

    ASSERT_EQ(panel.window.boxes.size(), 1u);
    EXPECT_EQ(panel.window.boxes[0].prompt,
              L"Nessuna applicazione installata.    \r\nIl programma viene terminato.");
    EXPECT_EQ(panel.window.boxes[0].title, L"Form load");
    EXPECT_EQ(panel.window.boxes[0].style, BoxStyle::Information);
    EXPECT_EQ(panel.window.pointers, (std::vector<Pointer>{Pointer::Busy}));
    EXPECT_EQ(panel.window.endCalls, 1);
    EXPECT_EQ(panel.window.title, L" Torvane");
}

TEST(Closing, CloseRequestsEndTheProgramAndDoubleClicksRestoreTheTitle) {
    Panel panel;
    panel.Install({0});
    panel.Configured(L"NoAdminDefault", L"");
    panel.form.Form_Load();
    panel.window.title = kTitle + L" - 42  OK - 2  File da aprire non trovato";
    panel.form.Form_DblClick();
    EXPECT_EQ(panel.window.title, kTitle);
    panel.window.title += L" - 33  OK";
    panel.form.fraBase_DblClick();
    EXPECT_EQ(panel.window.title, kTitle);

    panel.window.onClose = [&] { panel.form.Form_QueryUnload(); };
    panel.form.mnuOpzioniEsci_Click();
    EXPECT_EQ(panel.window.closeCalls, 1);
    EXPECT_GE(panel.window.endCalls, 1);
    EXPECT_EQ(panel.registry.Writes(), 0);
    EXPECT_TRUE(panel.window.boxes.empty());
}

}  // namespace
}  // namespace torvane::testing
