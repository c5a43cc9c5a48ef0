#include "SoakSampler/SoakFigures.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t MB = 1024 * 1024;

// Samples every ten seconds from `count` readings of private bytes; the
// working set follows them at twice the size.
std::vector<MemorySample> Curve(const std::vector<double>& megabytes)
{
    std::vector<MemorySample> samples;
    int second = 0;
    for (const double value : megabytes) {
        second += 10;
        const auto bytes = static_cast<std::uint64_t>(value * MB);
        samples.push_back({second, bytes, 2 * bytes});
    }
    return samples;
}

TEST(SoakFiguresTest, GrowthIsTheRiseOfTheFloorNotOfSingleSamples)
{
    struct Case {
        const char* what;
        int seconds;
        std::vector<double> megabytes;
        double growth;
    };
    const Case cases[] = {
        // A megabyte's swing with the song shown, no trend.
        {"swinging, flat", 180,
         {10, 11, 12, 13, 14, 14, 13.66, 14.60, 13.68, 14.6, 13.7, 14.6, 13.66, 14.6, 13.9, 14.6, 13.66, 14.6}, 0},
        // The first minute's start-up growth is not counted; then the floor rises by 1 MB.
        {"rising floor", 180, {1, 2, 3, 4, 5, 6, 10, 11, 10, 11, 10, 11, 11, 12, 11, 12, 11, 12}, 1},
        // A falling floor is no leak.
        {"falling", 180, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 8, 8, 8, 8, 8, 8}, -1},
        // A minute's soak compares its last third (50, 60 s) with its middle one (30, 40 s, not 20).
        {"a minute: thirds", 60, {1, 1, 5, 6, 7, 8}, 2},
        // A soak cut short has nothing to compare.
        {"cut short", 600, {5, 6}, 0},
    };
    for (const Case& c : cases) {
        const FloorGrowth growth = GrowthOfFloors(Curve(c.megabytes), c.seconds);
        EXPECT_EQ(growth.privateBytes, static_cast<std::int64_t>(c.growth * MB)) << c.what;
        EXPECT_EQ(growth.workingSet, static_cast<std::int64_t>(2 * c.growth * MB)) << c.what;
    }
}

} // namespace
