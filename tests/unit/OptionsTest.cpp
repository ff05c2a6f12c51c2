#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/Design.h"
#include "platform/RegistryPath.h"
#include "settings/Mail.h"
#include "settings/Options.h"

namespace torvane::testing {
namespace {

const std::wstring kAdminOn = L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   ";
const std::wstring kAdminOff = L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   ";
const std::wstring kAdminDone = L"Opzione attivata.      ";
const std::wstring kAdminUndone = L"Opzione disattivata.     ";
const std::wstring kAvvioOn = L"Vuoi attivare l'opzione di avvio automatico?   ";
const std::wstring kAvvioOff = L"Vuoi disattivare l'opzione di avvio automatico?   ";
const std::wstring kLine = L"\"C:\\Program Files\\Torvane\\Torvane.exe\"";
const std::wstring kNeedsRights = L"Impossibile modificare l'opzione: servono i diritti di amministratore.";
const std::wstring kBadData = L"Impossibile modificare l'opzione: Errore -2147024883  Rifiutato.";
constexpr std::int32_t kBadDataCode = -2147024883;

struct OptionCase {
    const char* name;
    std::optional<std::wstring> stored;  // none: the value is missing
    bool checked;
    std::deque<Answer> answers;
    std::int32_t refused;  // every write fails with this code; 0: none
    std::vector<std::wstring> prompts;
    bool checkedAfter;
    std::optional<std::wstring> storedAfter;
    bool unreadable = false;  // every read fails
};

// Refused writes go to an elevated copy that ends well but writes nothing.
void Check(const OptionCase& c, const std::wstring& path, const std::wstring& title,
           bool (*command)(const settings::OptionServices&, bool)) {
    SCOPED_TRACE(c.name);
    FakeRegistry store;
    FakeDialogs dialogs;
    FakeElevation elevation;
    if (c.stored) store.values[path] = *c.stored;
    if (c.refused) store.writeFailure = Failure{c.refused, L"Rifiutato."};
    if (c.unreadable) store.readFailures[path] = Failure{codes::kAccessDenied, L"Accesso negato."};
    dialogs.answers = c.answers;
    EXPECT_EQ(command({store, dialogs, elevation, kLine}, c.checked), c.checkedAfter);
    EXPECT_EQ(dialogs.Prompts(), c.prompts);
    const auto value = store.values.find(path);
    EXPECT_EQ(value == store.values.end() ? std::nullopt : std::optional(value->second), c.storedAfter);
    for (std::size_t i = 0; i < dialogs.boxes.size(); ++i) {
        const bool saysNo = dialogs.boxes[i].prompt.starts_with(L"Impossibile");
        EXPECT_EQ(dialogs.boxes[i].style,
                  i == 0 ? BoxStyle::Question : saysNo ? BoxStyle::Exclamation : BoxStyle::Information);
        EXPECT_EQ(dialogs.boxes[i].title, title);
    }
}

const auto Yes = Answer::Yes;

TEST(Options, RunAsAdministrator) {
    const std::vector<OptionCase> cases{
        {"on", L"NoAdminDefault", false, {Yes}, 0, {kAdminOn, kAdminDone}, true, L"AdminDefault"},
        {"off", L"AdminDefault", true, {Yes}, 0, {kAdminOff, kAdminUndone}, false, L"NoAdminDefault"},
        {"no", L"AdminDefault", true, {}, 0, {kAdminOff}, true, L"AdminDefault"},
        {"value before mark", L"AdminDefault", false, {}, 0, {kAdminOff}, false, L"AdminDefault"},
        {"no usable value, mark clear", L"ADMINDEFAULT", false, {Yes}, 0, {kAdminOn, kAdminDone}, true,
         L"AdminDefault"},
        {"no value, mark set", std::nullopt, true, {Yes}, 0, {kAdminOff, kAdminUndone}, false, L"NoAdminDefault"},
        {"refused on", L"NoAdminDefault", false, {Yes, Yes}, codes::kAccessDenied, {kAdminOn, kNeedsRights}, false,
         L"NoAdminDefault"},
        {"refused off", L"AdminDefault", true, {Yes}, codes::kAccessDenied, {kAdminOff, kNeedsRights}, true,
         L"AdminDefault"},
        {"bad data", L"AdminDefault", true, {Yes}, kBadDataCode, {kAdminOff, kBadData}, true, L"AdminDefault"},
    };
    for (const OptionCase& c : cases) Check(c, kEsegui, L"Esegui come amministratore", settings::SwitchRunAsAdministrator);
}

TEST(Options, AutoStart) {
    const std::vector<OptionCase> cases{
        {"on", L"", false, {Yes}, 0, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"on without a value", std::nullopt, false, {Yes}, 0, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"off", kLine, true, {Yes}, 0, {kAvvioOff, L"Opzione disattivata    "}, false, L""},
        {"no", L"", false, {}, 0, {kAvvioOn}, false, L""},
        {"no to off", kLine, true, {}, 0, {kAvvioOff}, true, kLine},
        {"another tool's value", L"C:\\Altro\\tool.exe", false, {Yes}, 0, {}, false, L"C:\\Altro\\tool.exe"},
        {"refused on", L"", false, {Yes}, codes::kAccessDenied, {kAvvioOn, kNeedsRights}, false, L""},
        {"refused off", kLine, true, {Yes}, codes::kAccessDenied, {kAvvioOff, kNeedsRights}, true, kLine},
        {"refused off, no value", std::nullopt, true, {Yes}, codes::kAccessDenied,
         {kAvvioOff, L"Opzione disattivata    "}, false, std::nullopt},
        {"bad data", L"", false, {Yes}, kBadDataCode, {kAvvioOn, kBadData}, false, L""},
        {"unreadable on", L"", false, {Yes}, codes::kAccessDenied, {kAvvioOn, kNeedsRights}, false, L"", true},
        {"unreadable off", L"", true, {Yes}, 0, {kAvvioOff}, true, L"", true},
    };
    for (const OptionCase& c : cases) Check(c, kRun, L"Avvio automatico", settings::SwitchAutoStart);
}

TEST(Options, MenuHandlersKeepTheCheckMarksAndWriteTheProgramsOwnCommandLine) {
    Panel panel;
    panel.Start({0});
    panel.dialogs.answers = {Yes, Yes};
    panel.form.mnuOpzioniAvvio_Click();
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(panel.registry.values[kRun], kLine);
    EXPECT_TRUE(panel.window.checks[CheckItem::Avvio]);
    EXPECT_TRUE(panel.window.checks[CheckItem::Admin]);
    EXPECT_EQ(settings::AutoStartCommandLine(L"D:\\", L"Torvane"), L"D:\\Torvane.exe");
    EXPECT_EQ(settings::AutoStartCommandLine(L"C:\\Officina", L"Panel"), L"C:\\Officina\\Panel.exe");
}

// Writes refused to the panel go to the elevated copy; the mark and the box
// follow what is stored once it has ended. Meanwhile clicks and menu
// commands do nothing.
TEST(Options, AWriteRefusedForLackOfRightsIsAskedOfAnElevatedCopy) {
    struct Case {
        const char* name;
        std::optional<Failure> start;
        std::uint32_t exitCode;
        bool copyWrites, on;
    };
    const std::vector<Case> cases{
        {"declined", Failure{codes::kCancelled, L"Operazione annullata."}, 0, false, false},
        {"failed too", std::nullopt, 0x80070005u, false, false},
        {"nothing read back", std::nullopt, 0, false, false},
        {"read back", std::nullopt, 0, true, true},
    };
    for (const Case& c : cases) {
        for (const bool admin : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (admin ? " admin" : " avvio"));
            Panel panel;
            panel.Start({0});
            const std::vector<std::uint8_t> off{3, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9}, on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            panel.registry.records = {{settings::kMachineStartRecord, off}, {settings::kUserStartRecord, off}};
            panel.registry.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
            panel.elevation.startFailure = c.start;
            panel.elevation.exitCode = c.exitCode;
            panel.elevation.onRun = [&] {
                panel.form.cmdApplicazioni_Click(0);
                design::RunMenuCommand(panel.form, design::kMenuEsci);
                if (!c.copyWrites) return;
                const auto refusal = std::exchange(panel.registry.writeFailure, std::nullopt);
                EXPECT_EQ(settings::RunElevatedWrite(panel.elevation.runs.back(), panel.registry, panel.application), 0u);
                panel.registry.writeFailure = refusal;
            };
            panel.dialogs.answers = {Yes};
            design::RunMenuCommand(panel.form, admin ? design::kMenuAdmin : design::kMenuAvvio);
            EXPECT_EQ(panel.elevation.runs, std::vector<std::wstring>{admin ? L"/opzione:esegui=si" : L"/opzione:avvio=si"});
            const CheckItem item = admin ? CheckItem::Admin : CheckItem::Avvio;
            EXPECT_EQ(panel.window.checks[item], c.on);
            const std::wstring done = admin ? kAdminDone : L"Opzione attivata      ";
            EXPECT_EQ(panel.dialogs.Prompts(), (std::vector{admin ? kAdminOn : kAvvioOn, c.on ? done : kNeedsRights}));
            EXPECT_EQ(panel.registry.values[kEsegui], admin && c.on ? L"AdminDefault" : L"NoAdminDefault");
            EXPECT_EQ(panel.registry.values[kRun], admin || !c.on ? L"" : L"\"C:\\Program Files\\Torvane\\Torvane.exe\"");
            EXPECT_EQ(panel.registry.records[settings::kMachineStartRecord], !admin && c.on ? on : off);
            EXPECT_TRUE(panel.shell.calls.empty());
            EXPECT_EQ(panel.window.closeCalls, 0);
        }
    }
}

// The elevated copy writes the one change its argument names exactly, and
// its exit code says how it went.
TEST(ElevatedCopy, WritesOnlyWhatExactlyOneKnownArgumentNames) {
    const std::vector<std::pair<std::wstring, std::wstring>> good{
        {L"/opzione:esegui=si", L"Esegui=AdminDefault"}, {L" /opzione:esegui=no\t", L"Esegui=NoAdminDefault"},
        {L"/opzione:avvio=si", L"Torvane=" + kLine}, {L"/opzione:avvio=no ", L"Torvane="}};
    for (const auto& [argument, written] : good) {
        FakeRegistry store;
        FakeApplication application;
        EXPECT_TRUE(settings::AsksForElevatedWrite(argument));
        EXPECT_EQ(settings::RunElevatedWrite(argument, store, application), 0u);
        ASSERT_EQ(store.log.size(), 1u);
        EXPECT_TRUE(store.log[0].ends_with(L"\\" + written)) << store.log[0];
        store.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
        EXPECT_EQ(settings::RunElevatedWrite(argument, store, application), 0x80070005u);
    }
    for (const wchar_t* bad : {L"/opzione", L"/opzione:avvio", L"/opzione:avvio=SI", L"/opzione:avvio=si /opzione:esegui=si",
                               L"/opzione:esegui=si\"", L"/opzione:avvio=C:\\Altro\\tool.exe", L"/opzione:esegui=AdminDefault"}) {
        FakeRegistry store;
        FakeApplication application;
        EXPECT_TRUE(settings::AsksForElevatedWrite(bad));
        EXPECT_EQ(settings::RunElevatedWrite(bad, store, application), settings::kBadArgument);
        EXPECT_TRUE(store.log.empty());
    }
    EXPECT_FALSE(settings::AsksForElevatedWrite(L""));
    EXPECT_FALSE(settings::AsksForElevatedWrite(L"/altro /opzione:avvio=si"));
}

// Task Manager's switch: at start-up an odd first byte in either record
// clears the mark; switching on sets such records to on and leaves the rest.
TEST(Options, ATaskManagerRecordThatSaysOffClearsTheMarkUntilSwitchedOnAgain) {
    using Bytes = std::vector<std::uint8_t>;
    const std::vector<std::tuple<Bytes, Bytes, bool>> cases{
        {{}, {}, true},  // empty records: no say
        {{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {6, 0, 0, 0}, true},
        {{3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, {2}, false},
        {{6}, {7, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false},
    };
    for (const auto& [machine, user, marked] : cases) {
        Panel panel;
        panel.registry.records = {{settings::kMachineStartRecord, machine}, {settings::kUserStartRecord, user}};
        panel.Start({0}, L"NoAdminDefault", kLine);
        EXPECT_EQ(panel.window.checks[CheckItem::Avvio], marked);
        if (marked) continue;
        panel.dialogs.answers = {Yes};
        panel.form.mnuOpzioniAvvio_Click();
        EXPECT_TRUE(panel.window.checks[CheckItem::Avvio]);
        for (const auto& [path, before] : {std::pair{settings::kMachineStartRecord, machine}, {settings::kUserStartRecord, user}}) {
            const Bytes on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            EXPECT_EQ(panel.registry.records[path], settings::RecordSaysOff(before) ? on : before);
        }
    }
    Panel panel;
    panel.registry.records = {{settings::kMachineStartRecord, {3}}};
    panel.Start({0});  // an empty Run value needs no record
    EXPECT_FALSE(panel.window.checks[CheckItem::Avvio]);
    EXPECT_EQ(panel.window.shields, (std::set{CheckItem::Avvio, CheckItem::Admin}));
    Panel administrator;
    administrator.elevation.administrator = true;
    administrator.Start({0}, L"NoAdminDefault", kLine);
    EXPECT_TRUE(administrator.window.checks[CheckItem::Avvio]);
    EXPECT_TRUE(administrator.window.shields.empty());
}

TEST(Options, MailOpensTheAuthorsAddressAndReportsShellFailures) {
    Panel panel;
    panel.Start({0});
    for (std::int32_t code : {33, 32}) {
        panel.shell.result = code;
        panel.form.mnuOpzioniMail_Click();
        const ShellCall& call = panel.shell.calls.back();
        EXPECT_FALSE(call.ownedByWindow);
        EXPECT_EQ(call.verb + L" " + call.file, L"open mailto:autore@example.com?subject=about Torvane 0.3.0&body=  ");
        EXPECT_EQ(call.directory, std::nullopt);
    }
    ASSERT_EQ(panel.dialogs.boxes.size(), 1u);
    EXPECT_EQ(panel.dialogs.boxes[0].prompt, L"Impossibile avviare il programma di posta elettronica (32)");
    EXPECT_EQ(panel.dialogs.boxes[0].title, L"Torvane e-mail");
    EXPECT_EQ(panel.dialogs.boxes[0].style, BoxStyle::Exclamation);
    EXPECT_EQ(settings::MailUrl(L"a@b.it", {1, 22, 333}), L"mailto:a@b.it?subject=about Torvane 1.22.333&body=  ");
}

TEST(RegistryPath, SplitsRootKeyAndValueAndTreatsATrailingBackslashAsTheDefault) {
    EXPECT_EQ(ParseRegistryPath(kEsegui), (RegistryPath{RegistryRoot::LocalMachine, L"SOFTWARE\\Merovi\\Torvane", L"Esegui"}));
    EXPECT_EQ(ParseRegistryPath(L"hkcu\\X\\"), (RegistryPath{RegistryRoot::CurrentUser, L"X", L""}));
    EXPECT_EQ(ParseRegistryPath(L"HKEY_NOWHERE\\A\\B"), std::nullopt);
}

}  // namespace
}  // namespace torvane::testing
