#include "lookup/RefreshRules.h"

#include <gtest/gtest.h>

namespace {

TEST(RefreshRulesTest, OnlyALineThatDiffersWithinTheLengthOfTheLastOneIsAChange)
{
    struct Case {
        const char *current, *last;
        bool changed;
    };
    const Case cases[] = {
        {"1. A - B - Winamp", "1. A - B - Winamp", false},
        {"1. A - B - Winamp [Paused]", "1. A - B - Winamp", false}, // grows at its end
        {"1. A - B - Winam", "1. A - B - Winamp", true},            // shorter
        {"2. A - C - Winamp", "1. A - B - Winamp", true},
        {"1. a - B - Winamp", "1. A - B - Winamp", true}, // byte for byte, case too
        {"NoAmp", "NoAmp", false},                        // a player that stays away
        {"1. A - B - Winamp", "NoAmp", true},             // and comes back
        {"NoAmp", "1. A - B - Winamp", true},
        {"anything", "", false}, // before the first refresh
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerTitleChanged(c.current, c.last), c.changed) << c.current << " after " << c.last;
}

TEST(RefreshRulesTest, APlayerIsIdleWhenItsLineStartsWithItsName)
{
    EXPECT_TRUE(IsIdlePlayerTitle("WINAMP 2.91"));
    EXPECT_TRUE(IsIdlePlayerTitle("WINAMP"));
    EXPECT_FALSE(IsIdlePlayerTitle("1. WINAMP - SONG - WINAMP"));
    EXPECT_FALSE(IsIdlePlayerTitle(" WINAMP"));
}

TEST(RefreshRulesTest, TheMissingTextPatternNamesTheFolderTheArtistAndTheSafeTitle)
{
    EXPECT_EQ(MissingTextPattern("D:\\Texts\\", "Up/Down", "Why_ No."), "D:\\Texts\\Up/Down\\*Why_ No.*.txt");
    EXPECT_EQ(MissingTextPattern("D:\\Texts", "", "Solo"), "D:\\Texts\\\\*Solo*.txt");
    EXPECT_EQ(MissingTextPattern("", "A", "B"), "\\A\\*B*.txt");
}

} // namespace
