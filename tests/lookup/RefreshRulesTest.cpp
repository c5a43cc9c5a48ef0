#include "lookup/RefreshRules.h"

#include <gtest/gtest.h>

namespace {

TEST(RefreshRulesTest, OnlyALineThatDiffersWithinTheLengthOfTheLastOneIsAChange)
{
    struct Case {
        const wchar_t *current, *last;
        bool changed;
    };
    const Case cases[] = {
        {L"1. A - B - Winamp", L"1. A - B - Winamp", false},
        {L"1. A - B - Winamp [Paused]", L"1. A - B - Winamp", false}, // grows at its end
        {L"1. A - B - Winam", L"1. A - B - Winamp", true},            // shorter
        {L"2. A - C - Winamp", L"1. A - B - Winamp", true},
        {L"1. a - B - Winamp", L"1. A - B - Winamp", true}, // unit for unit, case too
        {L"NoAmp", L"NoAmp", false},                        // a player that stays away
        {L"1. A - B - Winamp", L"NoAmp", true},             // and comes back
        {L"NoAmp", L"1. A - B - Winamp", true},
        {L"anything", L"", false}, // before the first refresh
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerTitleChanged(c.current, c.last), c.changed) << c.current << " after " << c.last;
}

TEST(RefreshRulesTest, APlayerIsIdleWhenItsLineStartsWithItsName)
{
    EXPECT_TRUE(IsIdlePlayerTitle(L"WINAMP 2.91"));
    EXPECT_TRUE(IsIdlePlayerTitle(L"WINAMP"));
    EXPECT_FALSE(IsIdlePlayerTitle(L"1. WINAMP - SONG - WINAMP"));
    EXPECT_FALSE(IsIdlePlayerTitle(L" WINAMP"));
}

TEST(RefreshRulesTest, TheMissingTextPatternNamesTheFolderTheArtistAndTheSafeTitle)
{
    EXPECT_EQ(MissingTextPattern(L"D:\\Texts\\", L"Up/Down", L"Why_ No."), L"D:\\Texts\\Up/Down\\*Why_ No.*.txt");
    EXPECT_EQ(MissingTextPattern(L"D:\\Texts", L"", L"Solo"), L"D:\\Texts\\\\*Solo*.txt");
    EXPECT_EQ(MissingTextPattern(L"", L"A", L"B"), L"\\A\\*B*.txt");
}

} // namespace
