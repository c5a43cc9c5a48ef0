#include "artist/ArtistInfoPath.h"

#include <gtest/gtest.h>

TEST(ArtistInfoPathTest, TheArtistIsUsedAsItIsUnlessItLeadsOutOfTheTextsFolder)
{
    EXPECT_EQ(ArtistInfoFileOf("D:\\Texts", "Who?").path, "D:\\TextsWho?\\Sonvera Artist info.txt");
    for (const char* artist : {"The Band", "", "Who?", "a\\..", "...And Then", "\\\\server\\share"})
        EXPECT_TRUE(ArtistInfoFileOf("D:\\Texts\\", artist).insideTextsFolder) << artist;
    for (const char* artist : {"..", "..\\Other", "a/../..", ". .", ".. \\x", "C:\\Windows"})
        EXPECT_FALSE(ArtistInfoFileOf("D:\\Texts\\", artist).insideTextsFolder) << artist;
    EXPECT_TRUE(ArtistInfoFileOf("D:\\Texts", "Band").insideTextsFolder);
    EXPECT_FALSE(ArtistInfoFileOf("D:\\Texts", "Band\\..").insideTextsFolder);
    EXPECT_FALSE(ArtistInfoFileOf("", "\\\\server\\share").insideTextsFolder);
}
