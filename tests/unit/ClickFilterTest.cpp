#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/ClickFilter.h"

namespace torvane::testing {
namespace {

// A click at `ms` on the system's clock, `dx` pixels right of the first one;
// double clicks within 500 ms and a 4-pixel square.
Click MouseAt(std::uint32_t ms, int dx = 0) { return {true, ms, 100 + dx, 100, 500, 4, 4}; }

TEST(ClickFilter, OnlyTheSecondClickOfADoubleClickOnTheButtonJustStartedIsIgnored) {
    Panel panel;
    panel.Start({0, 6, 12, 13});
    panel.form.ButtonPressed(0, MouseAt(1000));
    panel.form.ButtonPressed(0, MouseAt(1500, 2));
    EXPECT_EQ(panel.shell.calls.size(), 1u);

    ClickFilter filter;
    EXPECT_TRUE(filter.Admits(3, MouseAt(1000)));
    EXPECT_TRUE(filter.Admits(3, MouseAt(1501)));      // too late
    EXPECT_TRUE(filter.Admits(3, MouseAt(1600, 3)));   // too far
    EXPECT_TRUE(filter.Admits(4, MouseAt(1700, 3)));   // another button
    EXPECT_TRUE(filter.Admits(4, Click{}));            // a key
    EXPECT_TRUE(filter.Admits(4, MouseAt(1800, 3)));   // after a key
    EXPECT_TRUE(filter.Admits(4, MouseAt(0xFFFFFF00)));
    EXPECT_FALSE(filter.Admits(4, MouseAt(0xF0, -2)));  // the clock went round in between
}

}  // namespace
}  // namespace torvane::testing
