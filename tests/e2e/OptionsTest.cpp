#include "Fixture.h"

namespace e2e {
namespace {

constexpr int kAvvio = 101, kAdmin = 102, kMail = 103;

// Chooses a menu command and expects a box with this title and text.
Box Expect(Panel& panel, const std::wstring& title, const std::wstring& text) {
    const auto box = panel.WaitForBox();
    if (!box) {
        ADD_FAILURE() << "no box";
        return {};
    }
    EXPECT_EQ(box->title, title);
    EXPECT_EQ(box->text, text);
    return *box;
}

class Options : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        InstallEntry(0);
    }
};

TEST_F(Options, RunAsAdministratorSwitchesOnAndOff) {
    const std::wstring title = L"Esegui come amministratore";
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);

    panel.Menu(kAdmin);
    panel.Answer(Expect(panel, title, L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   "), IDYES);
    panel.Answer(Expect(panel, title, L"Opzione attivata.      "), IDOK);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"AdminDefault");

    panel.Menu(kAdmin);
    panel.Answer(Expect(panel, title, L"Vuoi disattivare l'opzione di 'Esegui come Amministratore' ?   "), IDYES);
    panel.Answer(Expect(panel, title, L"Opzione disattivata.     "), IDOK);
    EXPECT_EQ(ReadValue(kSettingsKey, L"Esegui"), L"NoAdminDefault");
}

TEST_F(Options, AutomaticStartWritesTheProgramsCommandLineAndEmptiesIt) {
    const std::wstring title = L"Avvio automatico";
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);

    panel.Menu(kAvvio);
    panel.Answer(Expect(panel, title, L"Vuoi attivare l'opzione di avvio automatico?   "), IDYES);
    panel.Answer(Expect(panel, title, L"Opzione attivata      "), IDOK);
    const std::wstring exe = Env(L"TORVANE_EXE");
    const std::wstring expected = exe.find(L' ') == std::wstring::npos ? exe : L"\"" + exe + L"\"";
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), expected);

    panel.Menu(kAvvio);
    panel.Answer(Expect(panel, title, L"Vuoi disattivare l'opzione di avvio automatico?   "), IDYES);
    panel.Answer(Expect(panel, title, L"Opzione disattivata    "), IDOK);
    EXPECT_EQ(ReadValue(kRunKey, L"Torvane"), L"");
}

TEST_F(Options, MailOpensTheUsersMailProgramWithTheSubject) {
    // The stand-in takes the part of the mail program.
    const std::wstring mailer = L"C:\\Posta\\mailer.exe";
    InstallStandin(mailer);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto", L"URL Protocol", REG_SZ, L"", sizeof(wchar_t));
    const std::wstring command = L"\"" + mailer + L"\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto\\shell\\open\\command", nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Menu(kMail);
    ASSERT_TRUE(WaitUntil([] { return !StandinLog().empty(); }));
    const std::wstring commandLine = StandinLog()[0].commandLine;
    EXPECT_NE(commandLine.find(L"mailto:torvane@example.com?subject=about Torvane 0.3.0&body=  "),
              std::wstring::npos)
        << commandLine.c_str();
    EXPECT_FALSE(panel.WaitForBox(500ms));
}

TEST_F(Options, MailWithoutAMailProgramSaysSo) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"mailto");
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    panel.Menu(kMail);
    panel.Answer(Expect(panel, L"Torvane e-mail", L"Impossibile avviare il programma di posta elettronica (31)"),
                 IDOK);
    EXPECT_FALSE(panel.Exited(0ms));
}

TEST_F(Options, ValuesOfAnotherTypeAreReadWithoutHarm) {
    const DWORD number = 1;
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey.c_str(), L"Torvane", REG_DWORD, &number, sizeof(number));
    const BYTE bytes[] = {0x41, 0x00};
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), L"Esegui", REG_BINARY, bytes, sizeof(bytes));
    Panel panel;
    ASSERT_NE(panel.Window(), nullptr);
    EXPECT_EQ(panel.Title(), kTitle);

    // A Run value that is not text counts as switched on.
    panel.Menu(kAvvio);
    panel.Answer(Expect(panel, L"Avvio automatico", L"Vuoi disattivare l'opzione di avvio automatico?   "), IDNO);
    // An "Esegui" that is not text is neither word: switching on is offered.
    panel.Menu(kAdmin);
    panel.Answer(Expect(panel, L"Esegui come amministratore",
                        L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   "),
                 IDNO);
}

}  // namespace
}  // namespace e2e
