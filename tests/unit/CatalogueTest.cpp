#include <gtest/gtest.h>

#include "app/Design.h"
#include "catalogue/Catalogue.h"

namespace torvane {
namespace {

TEST(Catalogue, StaleProcessStopBelongsToTheTenSectorProgramsOnly) {
    for (int i = 0; i < kEntryCount; ++i) {
        const bool sector = (i >= 7 && i <= 11) || (i >= 13 && i <= 17);
        EXPECT_EQ(Catalogue()[i].stopsStaleProcesses, sector) << i;
    }
}

TEST(Catalogue, OnlyVcdsIsLookedForAtTheDriveRootAndOnlyDelphiHasTwoCandidates) {
    for (int i = 0; i < kEntryCount; ++i) {
        const CatalogueEntry& entry = Catalogue()[i];
        EXPECT_EQ(entry.kind == SearchKind::DriveRoot, i == 3) << i;
        EXPECT_EQ(entry.candidates[1] != nullptr, i == 4) << i;
        // Program-files candidates follow a folder name without a backslash.
        EXPECT_EQ(entry.candidates[0][0] == L'\\', i != 3) << i;
    }
    EXPECT_STREQ(Catalogue()[4].candidates[0], L"\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe");
}

TEST(Catalogue, IndicesOutsideTheTableNameNoEntry) {
    EXPECT_EQ(CatalogueEntryAt(-1), nullptr);
    EXPECT_EQ(CatalogueEntryAt(21), nullptr);
    EXPECT_NE(CatalogueEntryAt(20), nullptr);
}

TEST(Design, ButtonsCarryCatalogueCaptionsWithTheirBlanksAndPlaceholdersHaveNothing) {
    EXPECT_EQ(design::Button(2).caption, L" Diagnostica centraline");
    EXPECT_EQ(design::Button(3).caption, L" VCDS  (Vag-Com)");
    EXPECT_EQ(design::Button(3).tooltip, L"Vag-Com");
    EXPECT_EQ(design::Button(2).iconPixels, 32);
    for (int i = 21; i < kButtonCount; ++i) {
        EXPECT_EQ(design::Button(i).caption, L"...");
        EXPECT_EQ(design::Button(i).tooltip, L"");
        EXPECT_EQ(design::Button(i).iconPixels, 0);
    }
    EXPECT_EQ(design::Button(23).rect, (Rect{11592, 4872, 2112, 1356}));
}

TEST(Design, OptionsMenuHasFourCommandsAndThreeSeparators) {
    const auto menu = design::OptionsMenu(L"a@b.it");
    std::vector<std::wstring> captions;
    for (const auto& entry : menu) captions.push_back(entry.id == 0 ? L"-" : entry.caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Avvio automatico", L"-", L"Esegui come amministratore", L"-",
                                                   L"Scrivi a \"a@b.it\"", L"-", L"Esci"}));
    EXPECT_STREQ(menu[4].name, L"mnuOpzioniMail");
}

}  // namespace
}  // namespace torvane
