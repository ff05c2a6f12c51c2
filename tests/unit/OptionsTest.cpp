#include <gtest/gtest.h>

#include "Fakes.h"
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

struct OptionCase {
    const char* name;
    std::optional<std::wstring> stored;  // none: the value is missing
    bool checked;
    std::deque<Answer> answers;
    bool refused;  // every write fails
    std::vector<std::wstring> prompts;
    bool checkedAfter;
    std::optional<std::wstring> storedAfter;
    bool unreadable = false;  // every read fails
};

void Check(const OptionCase& c, const std::wstring& path, const std::wstring& title,
           const std::function<bool(Registry&, Dialogs&, bool)>& command) {
    SCOPED_TRACE(c.name);
    FakeRegistry store;
    FakeDialogs dialogs;
    if (c.stored) store.values[path] = *c.stored;
    if (c.refused) store.writeFailure = Failure{codes::kAccessDenied, L"Accesso negato."};
    if (c.unreadable) store.readFailures[path] = Failure{codes::kAccessDenied, L"Accesso negato."};
    dialogs.answers = c.answers;
    EXPECT_EQ(command(store, dialogs, c.checked), c.checkedAfter);
    EXPECT_EQ(dialogs.Prompts(), c.prompts);
    const auto value = store.values.find(path);
    EXPECT_EQ(value == store.values.end() ? std::nullopt : std::optional(value->second), c.storedAfter);
    for (std::size_t i = 0; i < dialogs.boxes.size(); ++i) {
        EXPECT_EQ(dialogs.boxes[i].style, i == 0 ? BoxStyle::Question : BoxStyle::Information);
        EXPECT_EQ(dialogs.boxes[i].title, title);
    }
}

const auto Yes = Answer::Yes;

TEST(Options, RunAsAdministrator) {
    const std::vector<OptionCase> cases{
        {"on", L"NoAdminDefault", false, {Yes}, false, {kAdminOn, kAdminDone}, true, L"AdminDefault"},
        {"off", L"AdminDefault", true, {Yes}, false, {kAdminOff, kAdminUndone}, false, L"NoAdminDefault"},
        {"no", L"AdminDefault", true, {}, false, {kAdminOff}, true, L"AdminDefault"},
        {"value before mark", L"AdminDefault", false, {}, false, {kAdminOff}, false, L"AdminDefault"},
        {"no usable value, mark clear", L"ADMINDEFAULT", false, {Yes}, false, {kAdminOn, kAdminDone}, true,
         L"AdminDefault"},
        {"no value, mark set", std::nullopt, true, {Yes}, false, {kAdminOff, kAdminUndone}, false, L"NoAdminDefault"},
        {"refused on", L"NoAdminDefault", false, {Yes, Yes}, true, {kAdminOn}, false, L"NoAdminDefault"},
        {"refused off", L"AdminDefault", true, {Yes}, true, {kAdminOff}, true, L"AdminDefault"},
    };
    for (const OptionCase& c : cases) Check(c, kEsegui, L"Esegui come amministratore", settings::SwitchRunAsAdministrator);
}

TEST(Options, AutoStart) {
    const std::vector<OptionCase> cases{
        {"on", L"", false, {Yes}, false, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"on without a value", std::nullopt, false, {Yes}, false, {kAvvioOn, L"Opzione attivata      "}, true, kLine},
        {"off", kLine, true, {Yes}, false, {kAvvioOff, L"Opzione disattivata    "}, false, L""},
        {"no", L"", false, {}, false, {kAvvioOn}, false, L""},
        {"no to off", kLine, true, {}, false, {kAvvioOff}, true, kLine},
        {"another tool's value", L"C:\\Altro\\tool.exe", false, {Yes}, false, {}, false, L"C:\\Altro\\tool.exe"},
        {"refused on", L"", false, {Yes}, true, {kAvvioOn}, false, L""},
        {"refused off", kLine, true, {Yes}, true, {kAvvioOff}, true, kLine},
        {"refused off, no value", std::nullopt, true, {Yes}, true, {kAvvioOff, L"Opzione disattivata    "}, false,
         std::nullopt},
        {"unreadable on", L"", false, {Yes}, true, {kAvvioOn}, false, L"", true},
        {"unreadable off", L"", true, {Yes}, false, {kAvvioOff}, true, L"", true},
    };
    const auto command = [](Registry& store, Dialogs& dialogs, bool checked) {
        return settings::SwitchAutoStart(store, dialogs, checked, kLine);
    };
    for (const OptionCase& c : cases) Check(c, kRun, L"Avvio automatico", command);
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
