#include <gtest/gtest.h>

#include "Fakes.h"
#include "catalogue/Arrangement.h"

namespace torvane::testing {
namespace {

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
