#include "win/DisplayScale.h"

#include <gtest/gtest.h>

namespace {

// The common display scales of Windows, from 100 % to 350 %.
constexpr int Scales[] = {96, 120, 144, 168, 192, 240, 288, 336};

TEST(DisplayScaleTest, StoredSizesComeBackUnchangedFromTheirPixelsAtEveryScale)
{
    for (const int dpi : Scales) {
        const DisplayScale scale(dpi);
        for (int units = -3000; units <= 3000; ++units)
            ASSERT_EQ(scale.DesignUnits(scale.Pixels(units)), units) << units << " at " << dpi;
    }
}

TEST(DisplayScaleTest, HalvesRoundAwayFromZeroSoThatNeighboursKeepTheirOrder)
{
    struct Case {
        int dpi, units, pixels;
    };
    const Case cases[] = {
        {144, 200, 300}, {144, 300, 450}, {144, 13, 20}, {144, 9, 14}, {144, 1, 2}, {144, -1, -2},
        {144, -333, -500}, {120, 2, 3}, {120, -2, -3}, {96, 29, 29}, {192, 29, 58},
        // A failed query of the scale reads as the design's.
        {0, 29, 29}, {-5, 29, 29},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayScale(c.dpi).Pixels(c.units), c.pixels) << c.units << " at " << c.dpi;
    // The widest stored width of a large screen, and the limits of an int.
    EXPECT_EQ(DisplayScale(144).DesignUnits(3840), 2560);
    EXPECT_EQ(DisplayScale(288).Pixels(2'000'000'000), 2'147'483'647);
    EXPECT_EQ(DisplayScale(96).DesignUnits(-2'147'483'647 - 1), -2'147'483'647 - 1);
}

TEST(DisplayScaleTest, FontsOfPointsTakeTheirHeightAtTheScale)
{
    // Character heights Windows gives these sizes at 100 %, 150 % and 200 %.
    struct Case {
        int dpi, points, pixels;
    };
    const Case cases[] = {{96, 8, 11}, {96, 10, 13}, {96, 12, 16}, {144, 8, 16}, {144, 10, 20},
                          {144, 12, 24}, {192, 8, 21}, {120, 9, 15}};
    for (const Case& c : cases)
        EXPECT_EQ(DisplayScale(c.dpi).FontPixels(c.points), c.pixels) << c.points << " pt at " << c.dpi;
}

} // namespace
