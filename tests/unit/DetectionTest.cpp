#include <gtest/gtest.h>

#include "Fakes.h"

namespace torvane::testing {
namespace {

std::vector<std::wstring> LookupsUnder(const std::vector<std::wstring>& lookups, const std::wstring& tail) {
    std::vector<std::wstring> found;
    for (const auto& path : lookups) {
        if (path.ends_with(tail)) found.push_back(path);
    }
    return found;
}

TEST(Detection, SearchesEveryRootInOrderWithBothDelphiCandidatesAtEachRoot) {
    Panel panel;
    panel.Install({0});
    panel.form.Form_Load();

    const std::wstring ds = L"(New VCI)\\Main.exe";
    const auto delphi = LookupsUnder(panel.files.lookups, ds);
    ASSERT_EQ(delphi.size(), 16u);
    EXPECT_EQ(delphi[0], L"C:\\Programmi\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[1], L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[2], L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[4], L"C:\\Program Files (x86)\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[6], L"C:\\Programme\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[8], L"D:\\Programmi\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    EXPECT_EQ(delphi[15], L"D:\\Programme\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");

    EXPECT_EQ(LookupsUnder(panel.files.lookups, L"VCDS.exe"),
              (std::vector<std::wstring>{L"C:\\Ross-Tech\\VCDS\\VCDS.exe", L"D:\\Ross-Tech\\VCDS\\VCDS.exe"}));
    EXPECT_EQ(LookupsUnder(panel.files.lookups, L"MyVDO.exe").size(), 8u);
    // Only the 21 entries are looked up, every one through the file mask.
    EXPECT_EQ(panel.files.lookups.size(), 1u + 8 * 18 + 16 + 2);
    EXPECT_EQ(panel.files.masks, (std::set<std::uint32_t>{39}));
    // The placeholders are never installed.
    for (int i = 21; i < 24; ++i) EXPECT_FALSE(panel.window.buttons[i].enabled);
}

TEST(Detection, FirstRootWinsAndThePathIsRecordedAsBuilt) {
    Panel panel;
    auto& files = panel.files.files;
    files.insert(L"D:\\Program Files\\Dataspin.net\\Dataspin.exe");
    files.insert(L"C:\\Program Files (x86)\\Dataspin.net\\Dataspin.exe");
    files.insert(L"C:\\Programme\\Bosch\\ESItronic\\KTS500\\kts500_32.EXE");
    files.insert(L"C:\\Programmi\\Bosch\\ESItronic\\KTS500\\kts500_32.EXE");
    files.insert(L"D:\\Programmi\\Bosch\\ESItronic\\Esi2.exe");
    files.insert(L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    files.insert(L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
    files.insert(L"C:\\Program Files\\Ross-Tech\\VCDS\\VCDS.exe");  // not at a drive root
    files.insert(L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    panel.form.Form_Load();

    const auto& paths = panel.form.FoundPaths();
    EXPECT_EQ(paths[5], L"C:\\Program Files (x86)\\Dataspin.net\\Dataspin.exe");
    EXPECT_EQ(paths[2], L"C:\\Programmi\\Bosch\\ESItronic\\KTS500\\kts500_32.EXE");
    EXPECT_EQ(paths[0], L"D:\\Programmi\\Bosch\\ESItronic\\Esi2.exe");
    EXPECT_EQ(paths[4], L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    EXPECT_EQ(paths[3], L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(panel.form.InstalledCount(), 5);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(panel.window.buttons[i].enabled, !paths[i].empty()) << i;
    }
}

TEST(Detection, BadDriveEndsTheEntryQuietlyOtherFailuresAreShownOnceEach) {
    Panel panel;
    panel.Install({20});
    // An empty DVD drive as D: answers 52: Dataspin is not found there, silently.
    panel.files.failures[L"D:\\Programmi\\Dataspin.net\\Dataspin.exe"] = {52, L"Nome file non valido"};
    panel.files.failures[L"C:\\Program Files\\Dataspin.net\\Dataspin.exe"] = {52, L"Nome file non valido"};
    panel.files.failures[L"C:\\Programmi\\Dataspin.net\\Dataspin.exe"] = {52, L"Nome file non valido"};
    panel.files.failures[L"C:\\Programmi\\Texa S.p.A\\IDC4\\car\\bin\\start4.exe"] = {-2147024891, L"Accesso negato."};
    panel.form.Form_Load();

    ASSERT_EQ(panel.window.boxes.size(), 1u);
    EXPECT_EQ(panel.window.boxes[0].prompt, L"Errore -2147024891  Accesso negato.");
    EXPECT_EQ(panel.window.boxes[0].style, BoxStyle::Critical);
    EXPECT_EQ(LookupsUnder(panel.files.lookups, L"Dataspin.exe").size(), 1u);
    EXPECT_EQ(LookupsUnder(panel.files.lookups, L"car\\bin\\start4.exe").size(), 1u);
    // Start-up went on: the next entries were searched and the panel opened.
    EXPECT_EQ(panel.form.InstalledCount(), 1);
    EXPECT_EQ(panel.window.title, kTitle);
}

}  // namespace
}  // namespace torvane::testing
