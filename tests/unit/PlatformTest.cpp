#include <gtest/gtest.h>

#include "platform/Caption.h"

namespace torvane::testing {
namespace {

using Lines = std::vector<std::wstring>;

// Courier New at 10.5 points and 96 DPI: 8 pixels a character.
int Courier(std::wstring_view text) { return static_cast<int>(text.size()) * 8; }
Lines Break(std::wstring_view caption, int characters) { return BreakCaption(caption, characters * 8, Courier); }

TEST(Caption, ACaptionThatFitsKeepsEveryBlank) {
    EXPECT_EQ(Break(L" VCDS  (Vag-Com)", 16), Lines{L" VCDS  (Vag-Com)"});
    EXPECT_EQ(Break(L"...", 3), Lines{L"..."});
    EXPECT_EQ(Break(L"", 0), Lines{L""});
}

TEST(Caption, AWiderCaptionBreaksAtTheLastBlankThatFitsAndDropsTheBlanksThere) {
    // 141 pixels less a margin of 6 on each side: 16 characters.
    EXPECT_EQ(Break(L" Diagnostica centraline", 16), (Lines{L" Diagnostica", L"centraline"}));
    EXPECT_EQ(Break(L"MyVdo Diesel sParts", 16), (Lines{L"MyVdo Diesel", L"sParts"}));
    EXPECT_EQ(Break(L" VCDS  (Vag-Com)", 12), (Lines{L" VCDS", L"(Vag-Com)"}));
    EXPECT_EQ(Break(L"Texa IDC4 MARINE", 9), (Lines{L"Texa IDC4", L"MARINE"}));
    EXPECT_EQ(Break(L"Texa IDC4 MARINE", 4), (Lines{L"Texa", L"IDC4", L"MARI", L"NE"}));
    EXPECT_EQ(Break(L"A  B C  ", 3), (Lines{L"A", L"B C"}));
}

TEST(Caption, LeadingBlanksGoOnlyWhereTheyDoNotFitAndAWordWiderThanTheButtonIsCut) {
    EXPECT_EQ(Break(L" Diagnostica centraline", 11), (Lines{L"Diagnostica", L"centraline"}));
    EXPECT_EQ(Break(L"ESI[tronic]", 4), (Lines{L"ESI[", L"tron", L"ic]"}));
    EXPECT_EQ(Break(L"ESI[tronic]", 0), (Lines{L"E", L"S", L"I", L"[", L"t", L"r", L"o", L"n", L"i", L"c", L"]"}));
    EXPECT_EQ(Break(L"   ", 2), Lines{L""});
}

TEST(Caption, IsReadOutWithoutItsOuterBlanks) {
    EXPECT_EQ(SpokenCaption(L" VCDS  (Vag-Com) "), L"VCDS  (Vag-Com)");
    EXPECT_EQ(SpokenCaption(L"Dataspin"), L"Dataspin");
    EXPECT_EQ(SpokenCaption(L"  "), L"");
}

}  // namespace
}  // namespace torvane::testing
