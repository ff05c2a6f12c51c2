#include <gtest/gtest.h>

#include "Fakes.h"
#include "catalogue/Arrangement.h"

namespace torvane::testing {
namespace {

struct Layout {
    std::vector<int> rows;  // buttons per row, from the top
    Size frame;
    Size window;
};

// The layouts of every count that can be arranged, as designed.
const std::map<int, Layout> kLayouts{
    {1, {{1}, {2574, 1902}, {2994, 2742}}},
    {2, {{2}, {4854, 1902}, {5274, 2742}}},
    {3, {{3}, {7134, 1902}, {7554, 2742}}},
    {4, {{4}, {9414, 1902}, {9834, 2742}}},
    {5, {{5}, {11694, 1902}, {12114, 2742}}},
    {6, {{3, 3}, {7134, 3426}, {7554, 4266}}},
    {7, {{4, 3}, {9414, 3426}, {9834, 4266}}},
    {8, {{4, 4}, {9414, 3426}, {9834, 4266}}},
    {9, {{3, 3, 3}, {7134, 4908}, {7554, 5748}}},
    {10, {{5, 5}, {11694, 3426}, {12114, 4266}}},
    {11, {{4, 4, 3}, {9414, 4908}, {9834, 5748}}},
    {12, {{4, 4, 4}, {9414, 4908}, {9834, 5748}}},
    {13, {{5, 5, 3}, {11694, 4908}, {12114, 5748}}},
    {14, {{5, 5, 4}, {11694, 4908}, {12114, 5748}}},
    {15, {{5, 5, 5}, {11694, 4908}, {12114, 5748}}},
    {16, {{4, 4, 4, 4}, {9414, 6432}, {9834, 7272}}},
    {17, {{5, 5, 5, 2}, {11694, 6432}, {12114, 7272}}},
    {18, {{5, 5, 5, 3}, {11694, 6432}, {12114, 7272}}},
    {19, {{5, 5, 5, 4}, {11694, 6432}, {12114, 7272}}},
    {20, {{5, 5, 5, 5}, {11694, 6432}, {12114, 7272}}},
    {21, {{6, 6, 6, 3}, {13974, 6432}, {14394, 7272}}},
    {22, {{6, 6, 6, 4}, {13974, 6432}, {14394, 7272}}},
    {23, {{6, 6, 6, 5}, {13974, 6432}, {14394, 7272}}},
    {24, {{6, 6, 6, 6}, {13974, 6432}, {14394, 7272}}},
};

// Installs every third index first, then the rest, so that gaps are closed.
std::vector<bool> InstalledFlags(int count) {
    std::vector<bool> installed(24, false);
    int placed = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = pass; i < 24 && placed < count; i += 3, ++placed) installed[i] = true;
    }
    return installed;
}

TEST(Arrangement, EveryCountPacksButtonsInIndexOrderAndSizesFrameAndWindow) {
    for (const auto& [count, layout] : kLayouts) {
        SCOPED_TRACE(count);
        FakeWindow window;
        const auto installed = InstalledFlags(count);
        arrangement::ArrangeButtons(window, installed, static_cast<std::int16_t>(count));

        std::vector<Rect> expected;
        for (std::size_t row = 0; row < layout.rows.size(); ++row) {
            for (int column = 0; column < layout.rows[row]; ++column) {
                expected.push_back({252 + 2268 * column, 336 + 1512 * static_cast<int>(row), 2112, 1356});
            }
        }
        std::vector<Rect> placed;
        for (int i = 0; i < 24; ++i) {
            EXPECT_EQ(window.buttons[i].visible, installed[i]) << i;
            if (installed[i]) placed.push_back(window.buttons[i].rect);
        }
        EXPECT_EQ(placed, expected);
        EXPECT_EQ(window.frame, (Rect{168, 0, layout.frame.width, layout.frame.height}));
        EXPECT_EQ(window.outer, layout.window);
    }
}

TEST(Arrangement, HiddenButtonsKeepTheirPlaceAndNoCountKeepsTheFrame) {
    FakeWindow window;
    window.buttons[12].rect = {7056, 1848, 2112, 1356};
    window.buttons[13].rect = {9324, 1848, 2112, 1356};
    std::vector<bool> installed(24, false);
    installed[13] = true;
    arrangement::ArrangeButtons(window, installed, 1);
    EXPECT_EQ(window.buttons[12].rect, (Rect{7056, 1848, 2112, 1356}));
    EXPECT_EQ(window.buttons[13].rect, (Rect{252, 336, 2112, 1356}));

    FakeWindow empty;
    arrangement::ArrangeButtons(empty, std::vector<bool>(24, false), 0);
    EXPECT_EQ(empty.frame, (Rect{168, 0, 13956, 6480}));
    EXPECT_EQ(empty.outer, (Size{13956 + 420, 6480 + 840}));
    for (const auto& button : empty.buttons) EXPECT_FALSE(button.visible);
}

}  // namespace
}  // namespace torvane::testing
