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
    EXPECT_EQ(CatalogueEntryAt(21), nullptr);
    EXPECT_EQ(InstallPath(Catalogue()[3], Catalogue()[3].candidates[0], L"D:\\", L"Programmi"),
              L"D:\\Ross-Tech\\VCDS\\VCDS.exe");
    EXPECT_EQ(InstallPath(Catalogue()[5], Catalogue()[5].candidates[0], L"C:\\", L"Programme"),
              L"C:\\Programme\\Dataspin.net\\Dataspin.exe");
}

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
