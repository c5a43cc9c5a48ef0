#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TitleCase {
    int ampVer;
    std::string title;
    std::string artist;
    std::string songTitle;
};

NowPlayingSong Parse(int ampVer, std::string_view title)
{
    Settings settings;
    settings.ampVer = static_cast<PlayerGeneration>(ampVer);
    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    return song;
}

void ExpectParsed(const TitleCase& c)
{
    SCOPED_TRACE(c.title);
    const NowPlayingSong song = Parse(c.ampVer, c.title);
    EXPECT_EQ(song.SongArtist, c.artist);
    EXPECT_EQ(song.SongTitle, c.songTitle);
}

const std::string Unknown(UnknownSongTitle);

} // namespace

TEST(ParseNowPlaying, ReadsBothPlayerGenerations)
{
    const TitleCase cases[] = {
        {0, "12. Artist - Title - Winamp", "Artist", "Title"},
        {0, "12. Artist - Title - Winamp [Paused]", "Artist", "Title"},
        {0, "12. Artist - Title - Winamp [Stopped]", "Artist", "Title"},
        {0, "7. Artist - Title - Remix - Winamp", "Artist", "Title - Remix"},
        {0, "1. A - B - C - Winamp", "A", "B - C"},
        {0, "12. Mr. Artist - Title - Winamp", "Mr. Artist", "Title"},
        {0, "12. Artist - Title (Live) - Winamp", "Artist", "Title (Live)"},
        {0, "7. Title - Winamp", "", "Title"},
        {0, "12. Artist-Title - Winamp", "", "Artist-Title"},
        // The separator is a hyphen with a space on both sides.
        {0, "3. Artist -Live - Song - Winamp", "Artist -Live", "Song"},
        {0, "3. Artist- Live - Song - Winamp", "Artist- Live", "Song"},
        {0, "12. Title (Live)", "", "Title"},
        {0, "12. Title", "", Unknown},
        {0, "", "", Unknown},
        {0, "Winamp 2.91", "", Unknown},
        {1, "3. Artist - Title (a) (b)", "Artist", "Title"},
        {1, "3. Artist - Title (a)(b)", "Artist", "Title"},
        {1, "3. Artist - Title (Live) (a) (b)", "Artist", "Title (Live)"},
        {1, "3. Artist - Title (a)", "", "Artist"},
        {1, "12. Artist - Title - Winamp", "", "Artist"},
        // Any generation other than 0 reads the newer layout.
        {7, "3. Artist - Title (a) (b)", "Artist", "Title"},
        // Only full stops and separators before the bracket groups count.
        {1, "3. Artist - Title (x. - y) (a) (b)", "Artist", "Title (x. - y)"},
        // Lines without a playlist number lose their first character.
        {0, "Artist - Title - Winamp", "rtist", "Title"},
        {1, "3. Title (a) (b)", "", ". Title"},
        // Hyphens at the very ends are never separators.
        {0, "- 1. A - B -", "", "A"},
    };
    for (const auto& c : cases)
        ExpectParsed(c);
}

TEST(ParseNowPlaying, LeavesTheArtistAloneWithoutTheClosingPart)
{
    Settings settings;
    NowPlayingSong song{"kept", "old"};
    ParseNowPlaying("7. Title - Winamp", settings, song);
    EXPECT_EQ(song.SongArtist, "kept");
    EXPECT_EQ(song.SongTitle, "Title");

    ParseNowPlaying("7. Artist - Other - Winamp", settings, song);
    EXPECT_EQ(song.SongArtist, "Artist");
    EXPECT_EQ(song.SongTitle, "Other");
}

TEST(ParseNowPlaying, SwitchingTheGenerationChangesTheVeryNextParse)
{
    Settings settings;
    const std::string title = "3. Artist - Title (a) (b)";
    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    EXPECT_EQ(song.SongTitle, "Artist");
    settings.ampVer = PlayerGeneration::Winamp3;
    song = {};
    ParseNowPlaying(title, settings, song);
    EXPECT_EQ(song.SongArtist, "Artist");
    EXPECT_EQ(song.SongTitle, "Title");
}

TEST(ParseNowPlaying, KeepsCyrillicBytes)
{
    // "12. Кино - Группа крови - Winamp" in code page 1251.
    const std::string artist = "\xCA\xE8\xED\xEE";
    const std::string title = "\xC3\xF0\xF3\xEF\xEF\xE0 \xEA\xF0\xEE\xE2\xE8";
    const NowPlayingSong song = Parse(0, "12. " + artist + " - " + title + " - Winamp");
    EXPECT_EQ(song.SongArtist, artist);
    EXPECT_EQ(song.SongTitle, title);
}

TEST(ParseNowPlaying, ReadsOnlyTheFirst255Characters)
{
    // Each title and artist fills all it can of a 255-character line; the
    // hyphen of the closing " - " lies on character 254, then on 255, where
    // the cut leaves no space after it.
    const TitleCase cases[] = {
        {0, "1. " + std::string(250, 'T') + " (", "", std::string(250, 'T')},
        {0, std::string(253, 'x') + " (", "", std::string(252, 'x')},
        {0, std::string(255, 'x'), "", Unknown},
        {0, "1. A - " + std::string(245, 'x') + " - Winamp", "A", std::string(245, 'x')},
        {0, "1. A - " + std::string(246, 'x') + " - Winamp", "", "A"},
    };
    for (const auto& c : cases)
        ExpectParsed(c);
}

TEST(ParseNowPlaying, StopsAtTheFirstNul)
{
    const std::string title("12. Artist - Title - Winamp\0 - More - x", 39);
    const NowPlayingSong song = Parse(0, title);
    EXPECT_EQ(song.SongArtist, "Artist");
    EXPECT_EQ(song.SongTitle, "Title");
}

TEST(CaptionOfScrollingTitle, EveryTurnGivesTheCaptionAndOtherTitlesStayWhole)
{
    // "12. Кино - Группа крови - Winamp" in code page 1251, a caption holding the separator, one character.
    for (const std::string caption : {"12. \xCA\xE8\xED\xEE - \xC3\xF0\xF3\xEF\xEF\xE0 \xEA\xF0\xEE\xE2\xE8 - Winamp",
                                      "3. Stars *** Stripes - Winamp", "x"}) {
        for (std::size_t offset = 0; offset < caption.size(); ++offset) {
            const std::string turned = caption.substr(offset) + " *** " + caption;
            EXPECT_EQ(CaptionOfScrollingTitle(turned), caption) << turned;
            EXPECT_EQ(CaptionOfScrollingTitle(turned + " *** "), caption) << turned;
        }
    }
    for (const char* title : {"1. Artist - Title *** Live - Winamp", "1. A - B - Winamp *** 1. A - B - Winam",
                              "long part *** part", "Winamp *** ", " *** ", "a *** b *** ", "***", ""})
        EXPECT_EQ(CaptionOfScrollingTitle(title), title);
}
