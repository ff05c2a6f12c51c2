#include <gtest/gtest.h>

#include "Fakes.h"
#include "settings/RegistryPath.h"
#include "settings/SettingsStore.h"

namespace torvane::testing {
namespace {

const std::wstring kAdminTitle = L"Esegui come amministratore";
const std::wstring kAskAdminOn = L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ";
const std::wstring kAskAdminOff = L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ";
const std::wstring kAskAvvioOn = L"Vuoi attivare l'opzione di avvio automatico?   ";
const std::wstring kAskAvvioOff = L"Vuoi disattivare l'opzione di avvio automatico?   ";

std::vector<std::wstring> Prompts(const FakeWindow& window) {
    std::vector<std::wstring> prompts;
    for (const Box& box : window.boxes) prompts.push_back(box.prompt);
    return prompts;
}

struct Options : ::testing::Test {
    Panel panel;
    void Start(const std::wstring& esegui, const std::wstring& run) {
        panel.Install({0});
        panel.Configured(esegui, run);
        panel.form.Form_Load();
    }
    bool Admin() { return panel.window.checks[CheckItem::Admin]; }
    bool Avvio() { return panel.window.checks[CheckItem::Avvio]; }
};

TEST_F(Options, AdminSwitchesOnAndOffWithItsQuestionsAndConfirmations) {
    Start(L"NoAdminDefault", L"");
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(panel.registry.values[kEsegui], L"AdminDefault");
    EXPECT_TRUE(Admin());
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOn, L"Opzione attivata.      "}));
    EXPECT_EQ(panel.window.boxes[0].style, BoxStyle::Question);
    EXPECT_EQ(panel.window.boxes[1].style, BoxStyle::Information);
    EXPECT_EQ(panel.window.boxes[1].title, kAdminTitle);

    panel.window.boxes.clear();
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(panel.registry.values[kEsegui], L"NoAdminDefault");
    EXPECT_FALSE(Admin());
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOff, L"Opzione disattivata.     "}));
}

TEST_F(Options, AdminAnswerNoChangesNothing) {
    Start(L"AdminDefault", L"");
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOff}));
    EXPECT_EQ(panel.registry.values[kEsegui], L"AdminDefault");
    EXPECT_TRUE(Admin());
}

TEST_F(Options, AdminStoredValueDecidesBeforeTheCheckMark) {
    Start(L"AdminDefault", L"");
    panel.window.checks[CheckItem::Admin] = false;
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOff}));
}

TEST_F(Options, AdminWithoutAUsableValueOffersWhatTheCheckMarkAllows) {
    // Check mark clear: switching on is offered, so the option stays reachable.
    Start(L"ADMINDEFAULT", L"");
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOn, L"Opzione attivata.      "}));
    EXPECT_EQ(panel.registry.values[kEsegui], L"AdminDefault");

    // Check mark set: switching off is offered.
    panel.registry.values.erase(kEsegui);
    panel.window.boxes.clear();
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOff, L"Opzione disattivata.     "}));
    EXPECT_FALSE(Admin());
}

TEST_F(Options, AdminRefusedWritesAreNeverReportedAsDone) {
    Start(L"NoAdminDefault", L"");
    panel.registry.refuseAllWrites = true;
    panel.window.answers = {Answer::Yes, Answer::Yes};
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAdminOn}));
    EXPECT_FALSE(Admin());

    Panel other;
    other.Install({0});
    other.Configured(L"AdminDefault", L"");
    other.form.Form_Load();
    other.registry.refuseAllWrites = true;
    other.window.answers = {Answer::Yes, Answer::Yes};
    other.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(Prompts(other.window), (std::vector<std::wstring>{kAskAdminOff}));
    EXPECT_TRUE(other.window.checks[CheckItem::Admin]);
    EXPECT_EQ(other.registry.values[kEsegui], L"AdminDefault");
}

TEST_F(Options, AutoStartWritesTheProgramsCommandLineAndEmptiesItAgain) {
    Start(L"NoAdminDefault", L"");
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAvvio_Click();
    EXPECT_EQ(panel.registry.values[kRun], L"C:\\Programmi\\Torvane\\Torvane.exe");
    EXPECT_TRUE(Avvio());
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAvvioOn, L"Opzione attivata      "}));
    EXPECT_EQ(panel.window.boxes[1].title, L"Avvio automatico");

    panel.window.boxes.clear();
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAvvio_Click();
    ASSERT_TRUE(panel.registry.values.contains(kRun));
    EXPECT_EQ(panel.registry.values[kRun], L"");
    EXPECT_FALSE(Avvio());
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAvvioOff, L"Opzione disattivata    "}));
}

TEST_F(Options, AutoStartLeavesAnotherToolsValueAloneAndNoChangesNothing) {
    Start(L"NoAdminDefault", L"");
    panel.form.mnuOpzioniAvvio_Click();  // answered No
    EXPECT_EQ(panel.registry.values[kRun], L"");
    EXPECT_FALSE(Avvio());

    panel.window.boxes.clear();
    panel.window.checks[CheckItem::Avvio] = false;
    panel.registry.values[kRun] = L"C:\\Altro\\tool.exe";
    panel.form.mnuOpzioniAvvio_Click();
    EXPECT_TRUE(panel.window.boxes.empty());
    EXPECT_EQ(panel.registry.values[kRun], L"C:\\Altro\\tool.exe");
}

TEST_F(Options, AutoStartRefusedWritesAreNeverReportedAsDone) {
    Start(L"NoAdminDefault", L"D:\\Torvane.exe");
    panel.registry.refuseAllWrites = true;
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAvvio_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAvvioOff}));
    EXPECT_TRUE(Avvio());

    panel.registry.values[kRun] = L"";
    panel.window.checks[CheckItem::Avvio] = false;
    panel.window.boxes.clear();
    panel.window.answers = {Answer::Yes};
    panel.form.mnuOpzioniAvvio_Click();
    EXPECT_EQ(Prompts(panel.window), (std::vector<std::wstring>{kAskAvvioOn}));
    EXPECT_FALSE(Avvio());
}

TEST(AutoStartCommandLine, JoinsFolderAndBaseNameAndQuotesBlanks) {
    using settings::AutoStartCommandLine;
    EXPECT_EQ(AutoStartCommandLine(L"C:\\Programmi\\Torvane", L"Torvane"), L"C:\\Programmi\\Torvane\\Torvane.exe");
    EXPECT_EQ(AutoStartCommandLine(L"D:\\", L"Torvane"), L"D:\\Torvane.exe");
    EXPECT_EQ(AutoStartCommandLine(L"C:\\Officina", L"Panel"), L"C:\\Officina\\Panel.exe");
    EXPECT_EQ(AutoStartCommandLine(L"C:\\Program Files (x86)\\Torvane", L"Torvane"),
              L"\"C:\\Program Files (x86)\\Torvane\\Torvane.exe\"");
}

TEST_F(Options, MailOpensTheAuthorsAddressAndReportsShellFailures) {
    Start(L"NoAdminDefault", L"");
    for (std::int32_t code : {31, 32, 33, 42}) {
        panel.window.boxes.clear();
        panel.shell.result = code;
        panel.form.mnuOpzioniMail_Click();
        const ShellCall& call = panel.shell.calls.back();
        EXPECT_FALSE(call.ownedByWindow);
        EXPECT_EQ(call.verb, L"open");
        EXPECT_EQ(call.file, L"mailto:autore@example.com?subject=about Torvane 0.3.0&body=  ");
        EXPECT_EQ(call.directory, std::nullopt);
        if (code <= 32) {
            ASSERT_EQ(panel.window.boxes.size(), 1u);
            EXPECT_EQ(panel.window.boxes[0].prompt,
                      L"Impossibile avviare il programma di posta elettronica (" + std::to_wstring(code) + L")");
            EXPECT_EQ(panel.window.boxes[0].title, L"Torvane e-mail");
            EXPECT_EQ(panel.window.boxes[0].style, BoxStyle::Exclamation);
        } else {
            EXPECT_TRUE(panel.window.boxes.empty());
        }
    }
}

TEST(RegistryPath, SplitsRootKeyAndValueAndTreatsATrailingBackslashAsTheDefault) {
    EXPECT_EQ(ParseRegistryPath(kEsegui),
              (RegistryPath{RegistryRoot::LocalMachine, L"SOFTWARE\\Merovi\\Torvane", L"Esegui"}));
    EXPECT_EQ(ParseRegistryPath(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Merovi\\Torvane\\"),
              (RegistryPath{RegistryRoot::LocalMachine, L"SOFTWARE\\Merovi\\Torvane", L""}));
    EXPECT_EQ(ParseRegistryPath(L"HKCU\\Software\\X\\Y")->root, RegistryRoot::CurrentUser);
    EXPECT_EQ(ParseRegistryPath(L"HKEY_NOWHERE\\A\\B"), std::nullopt);
    EXPECT_EQ(ParseRegistryPath(L"Esegui"), std::nullopt);
}

}  // namespace
}  // namespace torvane::testing
