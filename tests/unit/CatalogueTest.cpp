#include <gtest/gtest.h>

#include "Fakes.h"
#include "catalogue/Arrangement.h"
#include "catalogue/Detection.h"

namespace torvane::testing {
namespace {

TEST(Catalogue, SectorProgramsStopStaleProcessesOnlyVcdsLivesAtTheRootOnlyDelphiHasTwoCandidates) {
    for (int i = 0; i < kEntryCount; ++i) {
        const CatalogueEntry& entry = Catalogue()[i];
        EXPECT_EQ(entry.stopsStaleProcesses, (i >= 7 && i <= 11) || (i >= 13 && i <= 17)) << i;
        EXPECT_EQ(entry.kind == SearchKind::DriveRoot, i == 3) << i;
        EXPECT_EQ(entry.candidates[1] != nullptr, i == 4) << i;
        EXPECT_EQ(CatalogueEntryAt(static_cast<std::int16_t>(i)), &entry);
    }
    EXPECT_EQ(CatalogueEntryAt(-1), nullptr);
    EXPECT_EQ(CatalogueEntryAt(kEntryCount), nullptr);
    EXPECT_EQ(InstallPath(Catalogue()[3], Catalogue()[3].candidates[0], L"D:\\", L"Programmi"),
              L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(InstallPath(Catalogue()[5], Catalogue()[5].candidates[0], L"C:\\", L"Programme"),
              L"C:\\Programme\\Dataspin.net\\Dataspin.exe");
}

const SearchRoots kRoots{{L"C:\\", L"D:\\"}, {L"Programmi", L"Program Files", L"Program Files (x86)", L"Programme"}};

TEST(Detection, AsksEachFolderOnceBeforeWhatLiesUnderItAndFindsWhatAskingEveryPathFound) {
    FakeFileSystem files;
    const Installed none = FindInstalled(files, kRoots);
    EXPECT_EQ(none.paths, decltype(none.paths){});
    EXPECT_EQ(files.probes, (std::vector<std::wstring>{L"C:\\", L"D:\\"}));
    // Per drive its four program-files folders and VCDS's at the root: 85 lookups when every path was asked.
    ASSERT_EQ(files.lookups.size(), 2u * 5);
    EXPECT_EQ(files.lookups[3], L"C:\\Programme\\");
    EXPECT_EQ(files.lookups[4], L"C:\\Ross-Tech\\");

    files = {};
    files.files = {L"D:\\Programmi\\Dataspin.net\\Dataspin.exe", L"C:\\Programme\\Dataspin.net\\Dataspin.exe",
                   L"C:\\Program Files\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe",
                   L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe",
                   L"C:\\Program Files\\Ross-Tech\\VCDS\\VCDS.exe", L"D:\\Ross-Tech\\VCDS\\VCDS.exe"};
    const Installed found = FindInstalled(files, kRoots);
    EXPECT_EQ(found.paths[5], L"C:\\Programme\\Dataspin.net\\Dataspin.exe");
    EXPECT_EQ(found.paths[4], L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe");
    EXPECT_EQ(found.paths[3], L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(files.masks, (std::set<std::uint32_t>{39}));
    // A vendor's folder once, then its candidates in order, until one is found.
    EXPECT_EQ(std::vector(files.lookups.begin() + 8, files.lookups.begin() + 11),
              (std::vector<std::wstring>{L"C:\\Programmi\\Delphi Diagnostics\\",
                                         L"C:\\Programmi\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe",
                                         L"C:\\Programmi\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe"}));
    EXPECT_EQ(files.lookups.size(), 27u + 11u);
    EXPECT_FALSE(found.failure);
}

TEST(Detection, ABadNameEndsOneEntryAnyOtherFailureLeavesTheDriveOutAndOnlyTheFirstIsShown) {
    Panel panel;
    auto& files = panel.files;
    files.failures[L"C:\\Programmi\\Bosch\\ESItronic\\Esi2.exe"] = {52, L"Nome file non valido"};
    files.failures[L"C:\\Program Files\\Dataspin.net\\Dataspin.exe"] = {23, L"Errore nei dati (CRC)."};
    files.failures[L"D:\\Programmi\\Dataspin.net\\Dataspin.exe"] = {1117, L"Errore di I/O."};
    files.failures[L"D:\\Programmi"] = {codes::kAccessDenied, L"Accesso negato."};  // looked into all the same
    files.files = {L"D:\\Programmi\\Bosch\\ESItronic\\Esi2.exe", L"D:\\Ross-Tech\\VCDS\\VCDS.exe",
                   L"D:\\Programmi\\MyVDO Diesel sParts\\MyVDO.exe"};
    panel.Start({1, 20});
    const auto& paths = panel.form.FoundPaths();
    EXPECT_EQ(paths[0], L"");  // ended by its bad name on C:
    EXPECT_EQ(paths[1], L"C:\\Programmi\\Bosch\\ESItronic 2.0\\ESItronic\\esitronic.exe");
    EXPECT_EQ(paths[3], L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(paths[20], L"");  // past the failures on both drives
    EXPECT_EQ(panel.form.InstalledCount(), 2);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(panel.window.enabled[i], !paths[i].empty()) << i;
    for (const auto& path : files.lookups) EXPECT_FALSE(path.starts_with(L"D:") && path.find(L"Esi2") != path.npos);
    EXPECT_EQ(panel.dialogs.Prompts(), (std::vector<std::wstring>{L"Errore 23  Errore nei dati (CRC)."}));
    EXPECT_EQ(panel.dialogs.boxes[0].style, BoxStyle::Critical);
    EXPECT_EQ(panel.window.pumps, 24);
}

TEST(Detection, ADriveIsWaitedForWhileItAnswersAndOneThatStopsIsGivenUpAndNamed) {
    using namespace std::chrono_literals;
    Panel panel;
    panel.files.paces[L"C:\\"] = {0ms, 0ms, 0};   // never answers
    panel.files.paces[L"D:\\"] = {11s, 60ms};     // spinning up, then slow
    panel.files.files = {L"D:\\Ross-Tech\\VCDS\\VCDS.exe"};
    panel.Start({});
    EXPECT_TRUE(panel.dialogs.boxes.empty());
    EXPECT_EQ(panel.form.InstalledCount(), 1);
    EXPECT_EQ(panel.window.title, kTitle + L" - C:\\ non risponde");
    panel.form.Form_DblClick();
    EXPECT_EQ(panel.window.title, kTitle);

    Panel stalled;
    stalled.files.paces[L"C:\\"] = {0ms, 150ms, 4};
    stalled.files.paces[L"D:\\"] = {0ms, 1ms, 3};
    stalled.files.files = {L"D:\\Ross-Tech\\VCDS\\VCDS.exe"};
    stalled.Start({1});
    // Given up a full limit after the last answer: 60 s for the system drive, 12 s for the others.
    EXPECT_EQ(stalled.files.givenUp[L"C:\\"], 500ms + 60s);
    EXPECT_EQ(stalled.files.givenUp[L"D:\\"], 100ms + 12s);
    EXPECT_EQ(stalled.dialogs.Prompts(), (std::vector<std::wstring>{L"Nessuna applicazione installata.    \r\n"
                                                                     L"Il programma viene terminato.\r\n"
                                                                     L"C:\\ non risponde.\r\nD:\\ non risponde."}));
    EXPECT_EQ(stalled.application.releases, 1);
}

struct Shape {
    int count;
    std::vector<int> rows;  // buttons per row, from the top
    Size frame;
};

// Every count that can be arranged, as designed.
const std::vector<Shape> kShapes{
    {1, {1}, {2574, 1902}},          {2, {2}, {4854, 1902}},          {3, {3}, {7134, 1902}},
    {4, {4}, {9414, 1902}},          {5, {5}, {11694, 1902}},         {6, {3, 3}, {7134, 3426}},
    {7, {4, 3}, {9414, 3426}},       {8, {4, 4}, {9414, 3426}},       {9, {3, 3, 3}, {7134, 4908}},
    {10, {5, 5}, {11694, 3426}},     {11, {4, 4, 3}, {9414, 4908}},   {12, {4, 4, 4}, {9414, 4908}},
    {13, {5, 5, 3}, {11694, 4908}},  {14, {5, 5, 4}, {11694, 4908}},  {15, {5, 5, 5}, {11694, 4908}},
    {16, {4, 4, 4, 4}, {9414, 6432}}, {17, {5, 5, 5, 2}, {11694, 6432}}, {18, {5, 5, 5, 3}, {11694, 6432}},
    {19, {5, 5, 5, 4}, {11694, 6432}}, {20, {5, 5, 5, 5}, {11694, 6432}}, {21, {6, 6, 6, 3}, {13974, 6432}},
    {22, {6, 6, 6, 4}, {13974, 6432}}, {23, {6, 6, 6, 5}, {13974, 6432}}, {24, {6, 6, 6, 6}, {13974, 6432}},
};

// Every third index first, then the rest, so that gaps must be closed.
std::vector<bool> InstalledFlags(int count) {
    std::vector<bool> installed(24, false);
    for (int pass = 0, placed = 0; pass < 3; ++pass) {
        for (int i = pass; i < 24 && placed < count; i += 3, ++placed) installed[i] = true;
    }
    return installed;
}

TEST(Arrangement, EveryCountPacksButtonsInIndexOrderAndSizesFrameAndWindow) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.count);
        const auto installed = InstalledFlags(shape.count);
        const auto layout = arrangement::Arrange(installed, shape.count, {1, 1});
        std::vector<Rect> expected, placed;
        for (std::size_t row = 0; row < shape.rows.size(); ++row) {
            for (int column = 0; column < shape.rows[row]; ++column) {
                expected.push_back({252 + 2268 * column, 336 + 1512 * static_cast<int>(row), 2112, 1356});
            }
        }
        for (int i = 0; i < 24; ++i) {
            EXPECT_EQ(layout.buttons[i].has_value(), installed[i]) << i;
            if (layout.buttons[i]) placed.push_back(*layout.buttons[i]);
        }
        EXPECT_EQ(placed, expected);
        EXPECT_EQ(layout.frame, (Rect{168, 0, shape.frame.width, shape.frame.height}));
        EXPECT_EQ(layout.window, (Size{shape.frame.width + 420, shape.frame.height + 840}));
    }
    const auto none = arrangement::Arrange(std::vector<bool>(24, false), 0, {13956, 6480});
    EXPECT_EQ(none.frame, std::nullopt);
    EXPECT_EQ(none.window, (Size{13956 + 420, 6480 + 840}));
}

TEST(Arrangement, StartUpHidesMissingButtonsLeavingThemInPlaceAndCentresTheWindow) {
    Panel panel;
    panel.window.buttons[12] = {7056, 1848, 2112, 1356};
    panel.Start({13});
    EXPECT_EQ(panel.window.buttons[12], (Rect{7056, 1848, 2112, 1356}));
    EXPECT_EQ(panel.window.buttons[13], (Rect{252, 336, 2112, 1356}));
    for (int i = 0; i < 24; ++i) EXPECT_EQ(panel.window.visible[i], i == 13) << i;
    EXPECT_EQ(panel.window.frame, (Rect{168, 0, 2574, 1902}));
    EXPECT_EQ(panel.window.outer, (Size{2994, 2742}));
    EXPECT_DOUBLE_EQ(panel.window.left, (19200 - 2994) / 2.0);
    EXPECT_DOUBLE_EQ(panel.window.top, (14400 - 2742) / 3.0);
}

}  // namespace
}  // namespace torvane::testing
