#include <gtest/gtest.h>

#include "platform/Caption.h"

namespace torvane::testing {
namespace {

using Lines = std::vector<std::wstring>;

// Courier New at 10.5 points and 96 DPI: 8 pixels a character, 16 in the 129
// pixels inside the margins of a face 141 wide.
Lines Break(std::wstring_view caption, int characters) {
    return BreakCaption(caption, characters * 8,
                        [](std::wstring_view text) { return static_cast<int>(text.size()) * 8; });
}

TEST(Caption, BreaksAtTheLastBlankThatFitsAndKeepsLeadingAndDoubleBlanksWhereTheyFit) {
    EXPECT_EQ(Break(L" VCDS  (Vag-Com)", 16), Lines{L" VCDS  (Vag-Com)"});
    EXPECT_EQ(Break(L" Diagnostica centraline", 16), (Lines{L" Diagnostica", L"centraline"}));
    EXPECT_EQ(Break(L"MyVdo Diesel sParts", 16), (Lines{L"MyVdo Diesel", L"sParts"}));
    EXPECT_EQ(Break(L" VCDS  (Vag-Com)  ", 12), (Lines{L" VCDS", L"(Vag-Com)  "}));
    EXPECT_EQ(Break(L" Diagnostica centraline", 11), (Lines{L"Diagnostica", L"centraline"}));
}

TEST(Caption, CutsOnlyAWordWiderThanTheButtonAndIsReadOutWithoutOuterBlanks) {
    EXPECT_EQ(Break(L"Texa IDC4 MARINE", 4), (Lines{L"Texa", L"IDC4", L"MARI", L"NE"}));
    EXPECT_EQ(Break(L"   ", 2), Lines{L""});
    EXPECT_EQ(SpokenCaption(L" VCDS  (Vag-Com) "), L"VCDS  (Vag-Com)");
}

}  // namespace
}  // namespace torvane::testing
