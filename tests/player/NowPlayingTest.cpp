#include "player/NowPlaying.h"
#include "player/ScrollingTitle.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TitleCase {
    int ampVer;
    std::wstring title;
    std::wstring artist;
    std::wstring songTitle;
};

NowPlayingSong Parse(int ampVer, std::wstring_view title)
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

const std::wstring Unknown(UnknownSongTitle);

} // namespace

TEST(ParseNowPlaying, ReadsBothPlayerGenerations)
{
    const TitleCase cases[] = {
        {0, L"12. Artist - Title - Winamp", L"Artist", L"Title"},
        {0, L"12. Artist - Title - Winamp [Paused]", L"Artist", L"Title"},
        {0, L"12. Artist - Title - Winamp [Stopped]", L"Artist", L"Title"},
        {0, L"7. Artist - Title - Remix - Winamp", L"Artist", L"Title - Remix"},
        {0, L"1. A - B - C - Winamp", L"A", L"B - C"},
        {0, L"12. Mr. Artist - Title - Winamp", L"Mr. Artist", L"Title"},
        {0, L"12. Artist - Title (Live) - Winamp", L"Artist", L"Title (Live)"},
        {0, L"7. Title - Winamp", L"", L"Title"},
        {0, L"12. Artist-Title - Winamp", L"", L"Artist-Title"},
        // The separator is a hyphen with a space on both sides.
        {0, L"3. Artist -Live - Song - Winamp", L"Artist -Live", L"Song"},
        {0, L"3. Artist- Live - Song - Winamp", L"Artist- Live", L"Song"},
        {0, L"12. Title (Live)", L"", L"Title"},
        {0, L"12. Title", L"", Unknown},
        {0, L"", L"", Unknown},
        {0, L"Winamp 2.91", L"", Unknown},
        // Letters that code page 1251 lacks.
        {0, L"12. Björk - Jóga (Æß) - Winamp", L"Björk", L"Jóga (Æß)"},
        {1, L"3. Artist - Title (a) (b)", L"Artist", L"Title"},
        {1, L"3. Artist - Title (a)(b)", L"Artist", L"Title"},
        {1, L"3. Artist - Title (Live) (a) (b)", L"Artist", L"Title (Live)"},
        {1, L"3. Artist - Title (a)", L"", L"Artist"},
        {1, L"12. Artist - Title - Winamp", L"", L"Artist"},
        // Any generation other than 0 reads the newer layout.
        {7, L"3. Artist - Title (a) (b)", L"Artist", L"Title"},
        // Only full stops and separators before the bracket groups count.
        {1, L"3. Artist - Title (x. - y) (a) (b)", L"Artist", L"Title (x. - y)"},
        // Lines without a playlist number lose their first character.
        {0, L"Artist - Title - Winamp", L"rtist", L"Title"},
        {1, L"3. Title (a) (b)", L"", L". Title"},
        // Hyphens at the very ends are never separators.
        {0, L"- 1. A - B -", L"", L"A"},
    };
    for (const auto& c : cases)
        ExpectParsed(c);
}

TEST(ParseNowPlaying, LeavesTheArtistAloneWithoutTheClosingPart)
{
    Settings settings;
    NowPlayingSong song{L"kept", L"old"};
    ParseNowPlaying(L"7. Title - Winamp", settings, song);
    EXPECT_EQ(song.SongArtist, L"kept");
    EXPECT_EQ(song.SongTitle, L"Title");

    ParseNowPlaying(L"7. Artist - Other - Winamp", settings, song);
    EXPECT_EQ(song.SongArtist, L"Artist");
    EXPECT_EQ(song.SongTitle, L"Other");
}

TEST(ParseNowPlaying, SwitchingTheGenerationChangesTheVeryNextParse)
{
    Settings settings;
    const std::wstring title = L"3. Artist - Title (a) (b)";
    NowPlayingSong song;
    ParseNowPlaying(title, settings, song);
    EXPECT_EQ(song.SongTitle, L"Artist");
    settings.ampVer = PlayerGeneration::Winamp3;
    song = {};
    ParseNowPlaying(title, settings, song);
    EXPECT_EQ(song.SongArtist, L"Artist");
    EXPECT_EQ(song.SongTitle, L"Title");
}

TEST(ParseNowPlaying, KeepsCyrillicLetters)
{
    const std::wstring artist = L"Кино";
    const std::wstring title = L"Группа крови";
    const NowPlayingSong song = Parse(0, L"12. " + artist + L" - " + title + L" - Winamp");
    EXPECT_EQ(song.SongArtist, artist);
    EXPECT_EQ(song.SongTitle, title);
}

TEST(ParseNowPlaying, ReadsOnlyTheFirst255Characters)
{
    // Each title and artist fills all it can of a 255-character line; the
    // hyphen of the closing " - " lies on character 254, then on 255, where
    // the cut leaves no space after it.
    const TitleCase cases[] = {
        {0, L"1. " + std::wstring(250, L'T') + L" (", L"", std::wstring(250, L'T')},
        {0, std::wstring(253, L'x') + L" (", L"", std::wstring(252, L'x')},
        {0, std::wstring(255, L'x'), L"", Unknown},
        {0, L"1. A - " + std::wstring(245, L'x') + L" - Winamp", L"A", std::wstring(245, L'x')},
        {0, L"1. A - " + std::wstring(246, L'x') + L" - Winamp", L"", L"A"},
    };
    for (const auto& c : cases)
        ExpectParsed(c);
}

TEST(ParseNowPlaying, StopsAtTheFirstNul)
{
    const std::wstring title(L"12. Artist - Title - Winamp\0 - More - x", 39);
    const NowPlayingSong song = Parse(0, title);
    EXPECT_EQ(song.SongArtist, L"Artist");
    EXPECT_EQ(song.SongTitle, L"Title");
}

TEST(CaptionOfScrollingTitle, EveryTurnGivesTheCaptionAndOtherTitlesStayWhole)
{
    // A Cyrillic caption, a caption holding the separator, one character.
    for (const std::wstring caption : {L"12. Кино - Группа крови - Winamp", L"3. Stars *** Stripes - Winamp", L"x"}) {
        for (std::size_t offset = 0; offset < caption.size(); ++offset) {
            const std::wstring turned = caption.substr(offset) + L" *** " + caption;
            EXPECT_EQ(std::wstring(CaptionOfScrollingTitle(turned)), caption) << turned;
            EXPECT_EQ(std::wstring(CaptionOfScrollingTitle(turned + L" *** ")), caption) << turned;
        }
    }
    for (const wchar_t* title : {L"1. Artist - Title *** Live - Winamp", L"1. A - B - Winamp *** 1. A - B - Winam",
                                 L"long part *** part", L"Winamp *** ", L" *** ", L"a *** b *** ", L"***", L""})
        EXPECT_EQ(std::wstring(CaptionOfScrollingTitle(title)), title);
}
