#include "settings/OptionRules.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionRulesTest, StoredColourPairsDecodeByIntegerDivision)
{
    const std::pair<int, ColourPair> cases[] = {
        {7, {0, 7}},     {1500, {15, 0}},  {1515, {15, 15}},
        {99, {0, 99}},   {1699, {16, 99}}, // hand-edited values stay as they are
        {-5, {0, -5}},   {-105, {-1, -5}}, // division truncates toward zero
    };
    for (const auto& [stored, pair] : cases) {
        EXPECT_EQ(DecodeColourPair(stored), pair) << stored;
        EXPECT_EQ(EncodeColourPair(pair), stored) << stored;
    }
}

TEST(OptionRulesTest, TheSpecialSymbolStepsRoundTheSetBothWays)
{
    struct Case {
        int position, back, forward;
    };
    const Case cases[] = {{1, 12, 2}, {2, 1, 3}, {11, 10, 12}, {12, 11, 1}, {0, 12, 1}, {13, 12, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(StepSpecialSymbolBack(c.position), c.back) << c.position;
        EXPECT_EQ(StepSpecialSymbolForward(c.position), c.forward) << c.position;
    }
}

TEST(OptionRulesTest, SpecialSymbolsAreTheTwelveFileNameStandIns)
{
    EXPECT_EQ(std::string(1, SpecialSymbolAt(1)) + SpecialSymbolAt(8) + SpecialSymbolAt(9) + SpecialSymbolAt(12), "!_ `");
    EXPECT_THROW(SpecialSymbolAt(0), std::out_of_range);
    EXPECT_THROW(SpecialSymbolAt(13), std::out_of_range);
}

} // namespace
