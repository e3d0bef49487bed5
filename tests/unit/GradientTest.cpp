// The colour steps of the background and header gradients.

#include <gtest/gtest.h>

#include "ui/Gradient.h"

using namespace tarnwick;

namespace {
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }
}  // namespace

TEST(Gradient, StepsStartAtTheFirstColourAndNeverReachTheLast) {
    // Navy to black over 4 steps: blue 128 -> 0 in quarters.
    std::vector<uint32_t> steps = GradientSteps(4, Rgb(0, 0, 128), Rgb(0, 0, 0));
    EXPECT_EQ(steps, (std::vector<uint32_t>{Rgb(0, 0, 128), Rgb(0, 0, 96), Rgb(0, 0, 64), Rgb(0, 0, 32)}));

    // Every component on its own, rising and falling, with truncation toward zero on both sides:
    // red 10 -> 20 over 3: 10, 13 (10/3), 16 (20/3); green 20 -> 10: 20, 17 (-10/3 = -3), 14 (-20/3 = -6).
    steps = GradientSteps(3, Rgb(10, 20, 255), Rgb(20, 10, 0));
    EXPECT_EQ(steps, (std::vector<uint32_t>{Rgb(10, 20, 255), Rgb(13, 17, 170), Rgb(16, 14, 85)}));
}

TEST(Gradient, EqualColoursAreUniformAndEdgeCountsAreSafe) {
    for (uint32_t step : GradientSteps(768, Rgb(1, 2, 3), Rgb(1, 2, 3))) ASSERT_EQ(step, Rgb(1, 2, 3));
    EXPECT_EQ(GradientSteps(1, Rgb(255, 255, 255), 0), std::vector<uint32_t>{Rgb(255, 255, 255)});
    EXPECT_TRUE(GradientSteps(0, 1, 2).empty());
    EXPECT_TRUE(GradientSteps(-5, 1, 2).empty());
}

TEST(Gradient, LastStepOfAScreenHigh) {
    // 768 steps from white to black: step 767 is 255 - 255 * 767 / 768 = 255 - 254 = 1.
    std::vector<uint32_t> steps = GradientSteps(768, Rgb(255, 255, 255), 0);
    ASSERT_EQ(steps.size(), 768u);
    EXPECT_EQ(steps.back(), Rgb(1, 1, 1));
}

TEST(Gradient, BandsCoverEveryExtent) {
    struct Case { int extent, bands; } cases[] = {{0, 1}, {1, 1}, {31, 1}, {32, 2}, {1000, 32}, {1024, 33}};
    for (const Case& c : cases) {
        EXPECT_EQ(GradientBandCount(c.extent), c.bands) << c.extent;
        EXPECT_GE(GradientBandCount(c.extent) * GradientBandSize, c.extent);
    }
}
