#include "artist/ArtistInfoPath.h"

#include <gtest/gtest.h>

TEST(ArtistInfoPathTest, TheArtistIsUsedAsItIsUnlessItLeadsOutOfTheTextsFolder)
{
    EXPECT_EQ(ArtistInfoFileOf(L"D:\\Texts", L"Who?").path, L"D:\\TextsWho?\\Sonvera Artist info.txt");
    for (const wchar_t* artist : {L"The Band", L"", L"Who?", L"a\\..", L"...And Then", L"\\\\server\\share"})
        EXPECT_TRUE(ArtistInfoFileOf(L"D:\\Texts\\", artist).insideTextsFolder) << artist;
    for (const wchar_t* artist : {L"..", L"..\\Other", L"a/../..", L". .", L".. \\x", L"C:\\Windows"})
        EXPECT_FALSE(ArtistInfoFileOf(L"D:\\Texts\\", artist).insideTextsFolder) << artist;
    EXPECT_TRUE(ArtistInfoFileOf(L"D:\\Texts", L"Band").insideTextsFolder);
    EXPECT_FALSE(ArtistInfoFileOf(L"D:\\Texts", L"Band\\..").insideTextsFolder);
    EXPECT_FALSE(ArtistInfoFileOf(L"", L"\\\\server\\share").insideTextsFolder);
}
