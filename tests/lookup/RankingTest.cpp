#include "lookup/Ranking.h"

#include <gtest/gtest.h>

TEST(FileNameOf, TakesThePartAfterTheLastBackslash)
{
    EXPECT_EQ(FileNameOf(L"C:\\Texts\\Artist\\Album\\Song.txt"), L"Song.txt");
    EXPECT_EQ(FileNameOf(L"C:\\Texts\\\\Song.txt"), L"Song.txt");
    EXPECT_EQ(FileNameOf(L"Song.txt"), L"Song.txt");
    EXPECT_EQ(FileNameOf(L"C:\\Texts\\"), L"");
    EXPECT_EQ(FileNameOf(L""), L"");
}

TEST(MismatchPosition, IsTheFirstExactOccurrenceOrTheNameLength)
{
    EXPECT_EQ(MismatchPosition(L"Title.txt", L"Title"), 1u);
    EXPECT_EQ(MismatchPosition(L"Artist - Title.txt", L"Title"), 10u);
    EXPECT_EQ(MismatchPosition(L"Title Title.txt", L"Title"), 1u);
    EXPECT_EQ(MismatchPosition(L"title.txt", L"Title"), 9u);
    EXPECT_EQ(MismatchPosition(L"", L"Title"), 0u);
    EXPECT_EQ(MismatchPosition(L"Tit", L"Title"), 3u);
}

TEST(BestCandidate, PrefersTheEarliestExactTitle)
{
    struct Case {
        const char* what;
        CandidateList candidates;
        std::wstring title;
        std::size_t best;
    };
    const Case cases[] = {
        {"one entry", {L"C:\\T\\A\\x.txt"}, L"Title", 0},
        {"safe form only: shorter name wins", {L"C:\\T\\A\\what_ (live).txt", L"C:\\T\\A\\What_.txt"}, L"What?", 1},
        {"exact case beats other case", {L"C:\\T\\A\\yesterday.TXT", L"C:\\T\\A\\Yesterday.txt"}, L"Yesterday", 1},
        {"ties go to the first met", {L"C:\\T\\A\\Title.txt", L"C:\\T\\A\\Album\\Title.txt"}, L"Title", 0},
        {"exact name beats artist prefix", {L"C:\\T\\A\\Artist - Title.txt", L"C:\\T\\A\\Title.txt"}, L"Title", 1},
        {"short other-case name beats late exact title",
         {L"C:\\T\\A\\The very long remastered Title.txt", L"C:\\T\\A\\TITLE.txt"},
         L"Title",
         1},
        {"the folder does not count", {L"C:\\Title\\x Title.txt", L"C:\\T\\A\\Title.txt"}, L"Title", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BestCandidate(c.candidates, c.title), c.best);
    }
}
