#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/Design.h"
#include "platform/RegistryPath.h"
#include "settings/ElevatedWrite.h"
#include "settings/Mail.h"
#include "settings/OptionCommand.h"
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
const std::wstring kNoRights = L"Impossibile modificare l'opzione: servono i diritti di amministratore.";
const std::wstring kBadData = L"Impossibile modificare l'opzione: Errore -2147024883  Rifiutato.";
constexpr std::int32_t kDenied = codes::kAccessDenied;

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
void Check(const OptionCase& c, const std::wstring& path, const std::wstring& title, const settings::Option& option) {
    SCOPED_TRACE(c.name);
    FakeRegistry store;
    FakeDialogs dialogs;
    FakeElevation elevation;
    if (c.stored) store.values[path] = *c.stored;
    if (c.refused) store.writeFailure = Failure{c.refused, L"Rifiutato."};
    if (c.unreadable) store.readFailures[path] = Failure{codes::kAccessDenied, L"Accesso negato."};
    dialogs.answers = c.answers;
    EXPECT_EQ(settings::SwitchOption(option, {store, dialogs, elevation, kLine}, c.checked), c.checkedAfter);
    EXPECT_EQ(dialogs.Prompts(), c.prompts);
    const auto value = store.values.find(path);
    EXPECT_EQ(value == store.values.end() ? std::nullopt : std::optional(value->second), c.storedAfter);
    for (std::size_t i = 0; i < dialogs.boxes.size(); ++i) {
        EXPECT_EQ(dialogs.boxes[i].style == BoxStyle::Question, i == 0);
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
        {"refused on", L"NoAdminDefault", false, {Yes, Yes}, kDenied, {kAdminOn, kNoRights}, false,
         L"NoAdminDefault"},
        {"refused off", L"AdminDefault", true, {Yes}, kDenied, {kAdminOff, kNoRights}, true, L"AdminDefault"},
        {"written, not read back", L"NoAdminDefault", false, {Yes}, 0, {kAdminOn}, false, L"AdminDefault", true},
    };
    for (const OptionCase& c : cases) Check(c, kEsegui, L"Esegui come amministratore", settings::kRunAsAdministrator);
}

TEST(Options, AutoStart) {
    const std::vector<OptionCase> cases{
        {"on", L"", false, {Yes}, 0, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"on without a value", std::nullopt, false, {Yes}, 0, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"off", kLine, true, {Yes}, 0, {kAvvioOff, L"Opzione disattivata    "}, false, L""},
        {"no", L"", false, {}, 0, {kAvvioOn}, false, L""},
        {"no to off", kLine, true, {}, 0, {kAvvioOff}, true, kLine},
        {"another tool's value", L"C:\\Altro\\tool.exe", false, {Yes}, 0, {}, false, L"C:\\Altro\\tool.exe"},
        {"refused on", L"", false, {Yes}, kDenied, {kAvvioOn, kNoRights}, false, L""},
        {"refused off", kLine, true, {Yes}, kDenied, {kAvvioOff, kNoRights}, true, kLine},
        {"refused off, no value", std::nullopt, true, {Yes}, kDenied, {kAvvioOff, L"Opzione disattivata    "}, false,
         std::nullopt},
        {"bad data", L"", false, {Yes}, -2147024883, {kAvvioOn, kBadData}, false, L""},
        {"unreadable on", L"", false, {Yes}, kDenied, {kAvvioOn, kNoRights}, false, L"", true},
        {"unreadable off", L"", true, {Yes}, 0, {kAvvioOff}, true, L"", true},
    };
    for (const OptionCase& c : cases) Check(c, kRun, L"Avvio automatico", settings::kAutoStart);
}

TEST(Options, MenuHandlersKeepTheCheckMarksAndWriteTheProgramsOwnCommandLine) {
    Panel panel;
    panel.Start({0});
    panel.dialogs.answers = {Yes, Yes};
    panel.form.mnuOpzioniAvvio_Click();
    panel.form.mnuOpzioniAdmin_Click();
    EXPECT_EQ(panel.registry.values[kRun], kLine);
    EXPECT_TRUE(panel.window.checks[kAvvioItem]);
    EXPECT_TRUE(panel.window.checks[kAdminItem]);
    EXPECT_EQ(settings::AutoStartCommandLine(L"D:\\", L"Torvane"), L"D:\\Torvane.exe");
    EXPECT_EQ(settings::AutoStartCommandLine(L"C:\\Officina", L"Panel"), L"C:\\Officina\\Panel.exe");
}

// Declined, not started, refused for lack of rights or otherwise, writing nothing, writing: the mark and the one box
// follow what is stored once the elevated copy has ended. Meanwhile clicks and menu commands do nothing.
TEST(Options, AWriteRefusedForLackOfRightsIsAskedOfAnElevatedCopy) {
    using Exit = Result<std::uint32_t>;
    const std::wstring notChanged = L"Impossibile modificare l'opzione: Errore ";
    // Each option's command, the copy's argument, question and confirmation, and "Esegui" and the Run value once the
    // copy has written; without its write they stay "NoAdminDefault" and empty.
    struct Expected {
        int command;
        std::wstring argument, ask, done, esegui, run;
    };
    const std::vector<Expected> options{
        {kAdminItem, L"/opzione:esegui=si", kAdminOn, kAdminDone, L"AdminDefault", L""},
        {kAvvioItem, L"/opzione:avvio=si", kAvvioOn, L"Opzione attivata      ", L"NoAdminDefault", kLine},
    };
    for (const auto& [exit, copyWrites, box] : {
             std::tuple{Exit(Failure{codes::kCancelled, L"Annullata."}), false, kNoRights},
             {Exit(Failure{codes::kNotFound, L"Non trovato."}), false, notChanged + L"-2147024894  Non trovato."},
             {Exit(0x80070005u), false, kNoRights},
             {Exit(0x8007000Du), false, notChanged + L"-2147024883  Testo di 2147942413."},
             {Exit(0u), false, kNoRights}, {Exit(0u), true, L""}}) {
        for (const Expected& option : options) {
            Panel panel;
            panel.Start({0});
            panel.registry.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
            panel.elevation.result = exit;
            panel.elevation.onRun = [&, copyWrites = copyWrites] {
                panel.form.cmdApplicazioni_Click(0);
                design::RunMenuCommand(panel.form, design::kMenuEsci);
                if (!copyWrites) return;
                panel.registry.writeFailure.reset();  // the copy has the rights
                settings::RunElevatedWrite(panel.elevation.runs.back(), panel.registry, panel.application);
            };
            panel.dialogs.answers = {Yes};
            design::RunMenuCommand(panel.form, option.command);
            EXPECT_EQ(panel.elevation.runs.at(0), option.argument);
            EXPECT_EQ(panel.window.checks[option.command], copyWrites);
            EXPECT_EQ(panel.dialogs.Prompts(), (std::vector{option.ask, copyWrites ? option.done : box}));
            EXPECT_EQ(panel.registry.values[kEsegui], copyWrites ? option.esegui : L"NoAdminDefault");
            EXPECT_EQ(panel.registry.values[kRun], copyWrites ? option.run : L"");
            EXPECT_TRUE(panel.shell.calls.empty() && panel.window.closeCalls == 0);
        }
    }
}

// The elevated copy writes what exactly one known argument names, nothing else; its exit code says how it went.
TEST(ElevatedCopy, WritesOnlyWhatExactlyOneKnownArgumentNames) {
    FakeApplication application;
    for (const auto& [argument, path, data] :
         {std::tuple{L"/opzione:esegui=si", kEsegui, L"AdminDefault"},
          {L" /opzione:esegui=no\t", kEsegui, L"NoAdminDefault"},
          {L"/opzione:avvio=si", kRun, kLine.c_str()},
          {L"/opzione:avvio=no ", kRun, L""}}) {
        FakeRegistry store;
        EXPECT_EQ(settings::RunElevatedWrite(argument, store, application), 0u);
        EXPECT_EQ(store.values, (std::map<std::wstring, std::wstring>{{path, data}}));
        store.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
        EXPECT_EQ(settings::RunElevatedWrite(argument, store, application), 0x80070005u);
    }
    for (const wchar_t* bad : {L"/opzione", L"/opzione:avvio=SI", L"/opzione:avvio=si /opzione:esegui=si",
                               L"/opzione:esegui=si\"", L"/opzione:avvio=C:\\Altro\\tool.exe",
                               L"/opzione:esegui=AdminDefault"}) {
        FakeRegistry store;
        EXPECT_EQ(settings::RunElevatedWrite(bad, store, application), settings::kBadArgument);
        EXPECT_TRUE(store.log.empty());
    }
}

// Task Manager's switch, by the first byte of either record, whatever its size: odd clears the mark at start-up,
// and switching on, directly or by the elevated copy, sets only such records to on. The records are under Run32 on
// 64-bit Windows and under Run on 32-bit Windows.
TEST(Options, ATaskManagerRecordThatSaysOffClearsTheMarkUntilSwitchedOnAgain) {
    using Bytes = std::vector<std::uint8_t>;
    const Bytes on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const auto& [windows64, byCopy] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}}) {
        const std::wstring key = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\" +
                                 std::wstring(windows64 ? L"Run32" : L"Run") + L"\\Torvane";
        const std::wstring machinePath = L"HKEY_LOCAL_MACHINE" + key, userPath = L"HKEY_CURRENT_USER" + key;
        for (const auto& [machine, user, marked] : {std::tuple{Bytes{}, Bytes{}, true}, {on, Bytes{6, 0}, true},
                                                    {Bytes{3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, Bytes{2}, false},
                                                    {Bytes{6}, Bytes{7, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false}}) {
            Panel panel;
            panel.registry.windows64 = windows64;
            panel.registry.records = {{machinePath, machine}, {userPath, user}};
            panel.Start({0}, L"NoAdminDefault", kLine);
            EXPECT_EQ(panel.window.checks[kAvvioItem], marked);
            if (byCopy) panel.registry.writeFailure = Failure{kDenied, L"Accesso negato."};
            panel.elevation.onRun = [&] {
                panel.registry.writeFailure.reset();
                settings::RunElevatedWrite(panel.elevation.runs.back(), panel.registry, panel.application);
            };
            panel.dialogs.answers = {Yes};
            panel.form.mnuOpzioniAvvio_Click();
            EXPECT_EQ(panel.elevation.runs.size(), byCopy ? 1u : 0u);
            EXPECT_EQ(panel.registry.records[machinePath], marked || machine[0] == 6 ? machine : on);
            EXPECT_EQ(panel.registry.records[userPath], marked || user[0] == 2 ? user : on);
            EXPECT_EQ(panel.registry.records.size(), 2u);
        }
    }
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

}  // namespace
}  // namespace torvane::testing
