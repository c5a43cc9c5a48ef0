#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/SettingsSource.h"

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
    FixedSettings settings;
    settings.ampVer = ampVer;
    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    return song;
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const NowPlayingSong song = Parse(c.ampVer, c.title);
        EXPECT_EQ(song.SongArtist, c.artist);
        EXPECT_EQ(song.SongTitle, c.songTitle);
    }
}

TEST(ParseNowPlaying, LeavesTheArtistAloneWithoutTheClosingPart)
{
    FixedSettings settings;
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
    FixedSettings settings;
    const std::string title = "3. Artist - Title (a) (b)";
    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    EXPECT_EQ(song.SongTitle, "Artist");
    settings.ampVer = 1;
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

TEST(ParseNowPlaying, StaysWithin254Characters)
{
    // A 255-character line whose title and artist fill everything they can.
    const std::string longTitle = "1. " + std::string(250, 'T') + " (";
    ASSERT_EQ(longTitle.size(), 255u);
    EXPECT_EQ(Parse(0, longTitle).SongTitle, std::string(250, 'T'));
    EXPECT_EQ(Parse(0, std::string(253, 'x') + " (").SongTitle, std::string(252, 'x'));

    const std::string noNumber = std::string(255, 'x');
    EXPECT_EQ(Parse(0, noNumber).SongTitle, Unknown);

    // Text past 255 characters never reaches the parse, as the player's buffer cuts it.
    const std::string tooLong = "1. A - " + std::string(250, 'B') + " - Winamp";
    const NowPlayingSong song = Parse(0, tooLong);
    EXPECT_EQ(song.SongArtist, "");
    EXPECT_EQ(song.SongTitle, "A");
    EXPECT_LE(song.SongTitle.size(), 254u);

    const std::string separators = "1." + std::string(" -") + std::string(250, 'y') + " - ";
    const NowPlayingSong edge = Parse(0, separators.substr(0, 255));
    EXPECT_LE(edge.SongTitle.size(), 254u);
    EXPECT_FALSE(edge.SongTitle.empty());
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
