#include "lookup/Ranking.h"
#include "lookup/TextSearch.h"
#include "player/NowPlaying.h"
#include "settings/Settings.h"
#include "support/Cp1251.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

namespace {

class TextSearchTest : public ::testing::Test {
protected:
    ScratchFolder texts;
    Settings settings;

    void SetUp() override { settings.textsPath = texts.Path(); }

    CandidateList Search(const std::wstring& artist, const std::wstring& title)
    {
        CandidateList candidates;
        SearchTexts(NowPlayingSong{artist, title}, settings, candidates);
        return candidates;
    }

    // Full paths of files below the texts folder.
    std::vector<std::wstring> Paths(std::initializer_list<std::wstring> relative) const
    {
        std::vector<std::wstring> paths;
        for (const auto& path : relative)
            paths.push_back(texts.Path() + path);
        return paths;
    }

    static std::ptrdiff_t IndexOf(const CandidateList& list, const std::wstring& path)
    {
        return std::find(list.begin(), list.end(), path) - list.begin();
    }
};

} // namespace

TEST_F(TextSearchTest, SearchesTheArtistFolderAndOneLevelOfSubfolders)
{
    texts.MakeFile(L"Artist\\Title.txt");
    texts.MakeFile(L"Artist\\Album\\Title.txt");
    texts.MakeFile(L"Artist\\Album\\Title (live).txt");
    texts.MakeFile(L"Artist\\Album\\Deeper\\Title.txt");
    texts.MakeFile(L"Artist\\Album\\Other.txt");
    texts.MakeFile(L"Artist\\Title.doc");
    texts.MakeFile(L"Artist\\Album\\Title hidden.txt", {}, FILE_ATTRIBUTE_HIDDEN);
    texts.MakeFile(L"Artist\\Album\\Title system.txt", {}, FILE_ATTRIBUTE_SYSTEM);
    texts.MakeFile(L"Artist\\Album\\Title readonly.txt", {}, FILE_ATTRIBUTE_READONLY);
    texts.MakeFolder(L"Artist\\Album\\Title folder.txt");
    texts.MakeFile(L"Artist\\Hidden album\\Title.txt");
    texts.MakeFolder(L"Artist\\Hidden album", FILE_ATTRIBUTE_HIDDEN);
    texts.MakeFile(L"Artist\\System album\\Title.txt");
    texts.MakeFolder(L"Artist\\System album", FILE_ATTRIBUTE_SYSTEM);
    texts.MakeFile(L"Other artist\\Title.txt");
    texts.MakeFile(L"Title.txt");

    const CandidateList found = Search(L"Artist", L"Title");

    EXPECT_THAT(found, UnorderedElementsAreArray(Paths({
                           L"Artist\\Title.txt",
                           L"Artist\\Album\\Title readonly.txt",
                           L"Artist\\Album\\Title.txt",
                           L"Artist\\Album\\Title (live).txt",
                           L"Artist\\Album\\Title hidden.txt",
                           L"Artist\\Album\\Title system.txt",
                           L"Artist\\Album\\Title folder.txt",
                       })));
    // The artist folder's own files come first, so they win a tie in the ranking.
    const auto own = IndexOf(found, Paths({L"Artist\\Title.txt"})[0]);
    const auto album = IndexOf(found, Paths({L"Artist\\Album\\Title.txt"})[0]);
    EXPECT_LT(own, album);
    EXPECT_EQ(BestCandidate(found, L"Title"), static_cast<std::size_t>(own));
}

TEST_F(TextSearchTest, MatchesCyrillicNamesInAnyLetterCase)
{
    texts.MakeFile(L"Кино\\ГРУППА КРОВИ.txt");
    texts.MakeFile(L"Кино\\1988\\группа крови (концерт).TXT");
    texts.MakeFile(L"Кино\\Live\\Группа Крови.txt");
    texts.MakeFile(L"Кино\\Звезда по имени Солнце.txt");
    texts.MakeFile(L"Кино\\Ёлка.txt");

    const CandidateList found = Search(L"Кино", L"Группа Крови");
    EXPECT_THAT(found, UnorderedElementsAreArray(Paths({
                           L"Кино\\ГРУППА КРОВИ.txt",
                           L"Кино\\1988\\группа крови (концерт).TXT",
                           L"Кино\\Live\\Группа Крови.txt",
                       })));
    // Only the exact letter case ranks by position.
    EXPECT_EQ(found[BestCandidate(found, L"Группа Крови")], Paths({L"Кино\\Live\\Группа Крови.txt"})[0]);

    EXPECT_THAT(Search(L"Кино", L"ёлка"), ElementsAre(Paths({L"Кино\\Ёлка.txt"})[0]));
}

TEST_F(TextSearchTest, ForbiddenCharactersMatchOnlyTheSpecialSymbol)
{
    texts.MakeFile(L"AC_DC\\What_.txt");
    texts.MakeFile(L"AC_DC\\what_ (live).txt");
    texts.MakeFile(L"AC_DC\\What.txt");
    texts.MakeFile(L"AC#DC\\What#.txt");

    CandidateList found = Search(L"AC/DC", L"What?");
    EXPECT_THAT(found, UnorderedElementsAreArray(Paths({L"AC_DC\\What_.txt", L"AC_DC\\what_ (live).txt"})));
    EXPECT_EQ(FileNameOf(found[BestCandidate(found, L"What?")]), L"What_.txt");

    settings.specialSymPosition = static_cast<int>(SpecialSymbols.find('#')) + 1;
    EXPECT_THAT(Search(L"AC/DC", L"What?"), ElementsAre(Paths({L"AC#DC\\What#.txt"})[0]));
}

TEST_F(TextSearchTest, WithoutAnArtistSearchesTheTextsFolderItself)
{
    texts.MakeFile(L"Song.txt");
    texts.MakeFile(L"Album\\Song.txt");
    texts.MakeFile(L"Album\\Deeper\\Song.txt");

    const CandidateList found = Search(L"", L"Song");
    // The empty artist leaves two backslashes in a row after the texts folder.
    EXPECT_THAT(found, UnorderedElementsAreArray(Paths({L"\\Song.txt", L"\\Album\\Song.txt"})));
}

TEST_F(TextSearchTest, TheExtensionTakesPartInTheMatch)
{
    texts.MakeFile(L"Artist\\One.txt");
    texts.MakeFile(L"Artist\\Two\\Three.txt");
    EXPECT_EQ(Search(L"Artist", L"txt").size(), 2u);
    EXPECT_EQ(Search(L"Artist", L"One.t").size(), 1u);
}

TEST_F(TextSearchTest, AppendsAndAddsNothingWhenThereIsNothingToFind)
{
    texts.MakeFile(L"Artist\\Other.txt");
    CandidateList candidates{L"earlier"};

    SearchTexts(NowPlayingSong{L"Artist", L"Title"}, settings, candidates);
    SearchTexts(NowPlayingSong{L"Nobody", L"Title"}, settings, candidates);
    settings.textsPath = texts.Path() + L"missing\\";
    SearchTexts(NowPlayingSong{L"Artist", L"Other"}, settings, candidates);
    EXPECT_THAT(candidates, ElementsAre(L"earlier"));

    settings.textsPath = texts.Path();
    SearchTexts(NowPlayingSong{L"Artist", L"Other"}, settings, candidates);
    EXPECT_THAT(candidates, ElementsAre(L"earlier", texts.Path() + L"Artist\\Other.txt"));
}

TEST_F(TextSearchTest, AHiddenArtistFolderOffersOnlyItsSubfolders)
{
    // The folder's own files are reached through its "." entry, which carries
    // the folder's own attributes.
    texts.MakeFile(L"Artist\\Title.txt");
    texts.MakeFile(L"Artist\\Album\\Title.txt");
    texts.MakeFolder(L"Artist", FILE_ATTRIBUTE_HIDDEN);
    const CandidateList found = Search(L"Artist", L"Title");
    EXPECT_THAT(found, ElementsAre(Paths({L"Artist\\Album\\Title.txt"})[0]));
}

TEST_F(TextSearchTest, TolerantNamesAreTriedOnlyWhenTheExactSearchFindsNothing)
{
    texts.MakeFile(L"Queen\\Bohemian Rhapsody.txt");
    texts.MakeFile(L"Queen\\Album\\Don't Stop Me Now.txt");
    texts.MakeFile(L"Елка\\Прованс.txt");
    texts.MakeFile(L"Artist\\Song - 2009 Remaster.txt");
    texts.MakeFile(L"Artist\\Song.txt");
    texts.MakeFile(L"Björk\\Jóga (Æß).txt");
    texts.MakeFile(L"Sigur Ros\\Hoppipolla.txt");
    const struct {
        const wchar_t* artist;
        const wchar_t* title;
        std::vector<std::wstring> found;
    } cases[] = {
        {L"Queen", L"Bohemian Rhapsody (Remastered 2011)", {L"Queen\\Bohemian Rhapsody.txt"}},
        {L"Queen", L"Don’t Stop Me Now (feat. Nobody)", {L"Queen\\Album\\Don't Stop Me Now.txt"}},
        {L"QUEEN", L"Bohemian Rhapsody", {L"QUEEN\\Bohemian Rhapsody.txt"}},
        {L"Ёлка", L"ПРОВАНС", {L"Елка\\Прованс.txt"}},
        {L"Artist", L"Song - 2009 Remaster", {L"Artist\\Song - 2009 Remaster.txt"}},
        {L"Björk", L"jóga (æß)", {L"Björk\\Jóga (Æß).txt"}},
        {L"BJÖRK", L"Jóga (Æß) - Live", {L"BJÖRK\\Jóga (Æß).txt"}},
        {L"Sigur Rós", L"Hoppípolla", {L"Sigur Ros\\Hoppipolla.txt"}},
        {L"Queen", L"Bohemian Like You", {}},
        {L"Nobody", L"Song", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Cp1251(c.title));
        std::vector<std::wstring> expected;
        for (const std::wstring& path : c.found)
            expected.push_back(texts.Path() + path);
        EXPECT_EQ(Search(c.artist, c.title), expected);
    }
}

// The player's line to the file shown, for lines code page 1251 can write:
// the expectations were taken from the search of the ANSI names, before the
// names went wide, and the wide one must give the same file.
TEST_F(TextSearchTest, ALineCodePage1251CanWriteFindsTheFileItAlwaysFound)
{
    for (const wchar_t* file : {L"Кино\\Группа крови.txt", L"Кино\\1988\\ГРУППА КРОВИ (live).txt",
                                L"Кино\\Ёлка – зима.txt", L"Кино\\«Кукушка».txt", L"AC_DC\\Back_ In Black.txt",
                                L"Artist -Live\\Song.txt", L"Artist\\Other song №2.txt", L"Artist\\Song.txt",
                                L"Artist\\Album\\Song (remix).txt", L"Дельфин\\Весна (Remastered).txt",
                                L"Solo.txt"})
        texts.MakeFile(file);
    const struct {
        const wchar_t* line;
        const wchar_t* shown;
    } cases[] = {
        {L"1. Кино - группа КРОВИ - Winamp", L"Кино\\Группа крови.txt"},
        {L"12. КИНО - ёлка – ЗИМА - Winamp", L"КИНО\\Ёлка – зима.txt"},
        {L"3. Кино - «Кукушка» - Winamp [Paused]", L"Кино\\«Кукушка».txt"},
        {L"4. AC/DC - Back? In Black - Winamp", L"AC_DC\\Back_ In Black.txt"},
        {L"5. Artist -Live - Song - Winamp", L"Artist -Live\\Song.txt"},
        {L"6. Artist - song №2 - Winamp", L"Artist\\Other song №2.txt"},
        {L"7. Artist - Song - Winamp", L"Artist\\Song.txt"},
        {L"8. Artist - (remix) - Winamp", L"Artist\\Album\\Song (remix).txt"},
        {L"9. Дельфин - Весна - Winamp", L"Дельфин\\Весна (Remastered).txt"},
        {L"10. Solo - Winamp", L"\\Solo.txt"},
        {L"11. Artist - Song (Live at Home) - Winamp", L"Artist\\Song.txt"},
        {L"12. Кино - Звезда - Winamp", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Cp1251(c.line));
        NowPlayingSong song;
        ParseNowPlaying(c.line, settings, song);
        CandidateList found;
        SearchTexts(song, settings, found);
        if (!c.shown)
            EXPECT_THAT(found, IsEmpty());
        else if (!found.empty())
            EXPECT_EQ(found[BestCandidate(found, song.SongTitle)], texts.Path() + c.shown);
        else
            ADD_FAILURE() << "nothing found";
    }
}
