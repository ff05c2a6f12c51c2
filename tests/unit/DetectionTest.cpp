#include <gtest/gtest.h>

#include "Fakes.h"
#include "catalogue/Detection.h"

namespace torvane::testing {
namespace {

const SearchRoots kRoots{{L"C:\\", L"D:\\"}, {L"Programmi", L"Program Files", L"Program Files (x86)", L"Programme"}};

TEST(Detection, LooksAtEveryRootInOrderWithBothCandidatesAndTheFileMask) {
    FakeFileSystem files;
    EXPECT_EQ(FindInstalled(files, Catalogue()[4], kRoots).value(), L"");
    ASSERT_EQ(files.lookups.size(), 16u);
    EXPECT_EQ(files.lookups[1], L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    EXPECT_EQ(files.lookups[15], L"D:\\Programme\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    EXPECT_EQ(files.masks, (std::set<std::uint32_t>{39}));
    files.lookups.clear();
    files.files = {L"C:\\Program Files\\Ross-Tech\\VCDS\\VCDS.exe"};  // not at a drive root
    EXPECT_EQ(FindInstalled(files, Catalogue()[3], kRoots).value(), L"");
    EXPECT_EQ(files.lookups, (std::vector<std::wstring>{L"C:\\Ross-Tech\\VCDS\\VCDS.exe", L"D:\\Ross-Tech\\VCDS\\VCDS.exe"}));
}

TEST(Detection, FirstPlaceFoundWinsAndAFailureEndsTheSearch) {
    FakeFileSystem files;
    files.files = {L"D:\\Programmi\\Dataspin.net\\Dataspin.exe", L"C:\\Programme\\Dataspin.net\\Dataspin.exe",
                   L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe",
                   L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe"};
    EXPECT_EQ(FindInstalled(files, Catalogue()[5], kRoots).value(), L"C:\\Programme\\Dataspin.net\\Dataspin.exe");
    EXPECT_EQ(FindInstalled(files, Catalogue()[4], kRoots).value(),
              L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");

    files.lookups.clear();
    files.failures[L"C:\\Program Files\\Dataspin.net\\Dataspin.exe"] = {-2147024891, L"Accesso negato."};
    const auto found = FindInstalled(files, Catalogue()[5], kRoots);
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.failure().code, -2147024891);
    EXPECT_EQ(files.lookups.size(), 2u);
}

TEST(Detection, StartUpRecordsPathsEnablesButtonsAndShowsOnlyUnexpectedFailures) {
    Panel panel;
    panel.files.failures[L"D:\\Programmi\\Bosch\\ESItronic\\Esi2.exe"] = {52, L"Nome file non valido"};
    panel.files.failures[L"C:\\Programmi\\Texa S.p.A\\IDC4\\car\\bin\\start4.exe"] = {-2147024891, L"Accesso negato."};
    panel.files.files = {L"D:\\Ross-Tech\\VCDS\\VCDS.exe"};
    panel.Start({20, 12});

    const auto& paths = panel.form.FoundPaths();
    EXPECT_EQ(paths[3], L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(paths[20], L"C:\\Programmi\\MyVDO Diesel sParts\\MyVDO.exe");
    EXPECT_EQ(panel.form.InstalledCount(), 3);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(panel.window.enabled[i], !paths[i].empty()) << i;
    EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{L"Errore -2147024891  Accesso negato."}));
    EXPECT_EQ(panel.dialogs.boxes[0].style, BoxStyle::Critical);
    EXPECT_EQ(panel.window.pumps, 24);
    // 15 entries at all 8 places, Delphi's two at each, VCDS at both roots, the
    // found ones once, Esi[tronic] up to D:, the IDC4 car only where it failed.
    EXPECT_EQ(panel.files.lookups.size(), 15u * 8 + 16 + 2 + 1 + 1 + 5 + 1);
}

TEST(Detection, ADriveThatDoesNotAnswerIsAskedOnceAndNeverSearched) {
    Panel panel;
    panel.files.silentDrives = {L"D:\\"};
    panel.Start({0});
    EXPECT_TRUE(panel.dialogs.boxes.empty());
    EXPECT_EQ(panel.files.probes, (std::vector<std::wstring>{L"C:\\", L"D:\\"}));
    // The first entry found at once, then VCDS at the root, Delphi's two
    // candidates and the 18 others under C:'s four folders only.
    EXPECT_EQ(panel.files.lookups.size(), 1u + 1 + 4 * 2 + 18 * 4);
    for (const auto& path : panel.files.lookups) EXPECT_TRUE(path.starts_with(L"C:\\")) << path;

    FakeFileSystem files;
    files.silentDrives = {L"C:\\"};
    const SearchRoots answering = AnsweringRoots(files, kRoots);
    EXPECT_EQ(answering.drives, (std::vector<std::wstring>{L"D:\\"}));
    EXPECT_EQ(answering.folders, kRoots.folders);
}

}  // namespace
}  // namespace torvane::testing
