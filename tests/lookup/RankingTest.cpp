#include "lookup/Ranking.h"

#include <gtest/gtest.h>

TEST(FileNameOf, TakesThePartAfterTheLastBackslash)
{
    EXPECT_EQ(FileNameOf("C:\\Texts\\Artist\\Album\\Song.txt"), "Song.txt");
    EXPECT_EQ(FileNameOf("C:\\Texts\\\\Song.txt"), "Song.txt");
    EXPECT_EQ(FileNameOf("Song.txt"), "Song.txt");
    EXPECT_EQ(FileNameOf("C:\\Texts\\"), "");
    EXPECT_EQ(FileNameOf(""), "");
}

TEST(MismatchPosition, IsTheFirstExactOccurrenceOrTheNameLength)
{
    EXPECT_EQ(MismatchPosition("Title.txt", "Title"), 1u);
    EXPECT_EQ(MismatchPosition("Artist - Title.txt", "Title"), 10u);
    EXPECT_EQ(MismatchPosition("Title Title.txt", "Title"), 1u);
    EXPECT_EQ(MismatchPosition("title.txt", "Title"), 9u);
    EXPECT_EQ(MismatchPosition("", "Title"), 0u);
    EXPECT_EQ(MismatchPosition("Tit", "Title"), 3u);
}

TEST(BestCandidate, PrefersTheEarliestExactTitle)
{
    struct Case {
        const char* what;
        CandidateList candidates;
        std::string title;
        std::size_t best;
    };
    const Case cases[] = {
        {"one entry", {"C:\\T\\A\\x.txt"}, "Title", 0},
        {"safe form only: shorter name wins", {"C:\\T\\A\\what_ (live).txt", "C:\\T\\A\\What_.txt"}, "What?", 1},
        {"exact case beats other case", {"C:\\T\\A\\yesterday.TXT", "C:\\T\\A\\Yesterday.txt"}, "Yesterday", 1},
        {"ties go to the first met", {"C:\\T\\A\\Title.txt", "C:\\T\\A\\Album\\Title.txt"}, "Title", 0},
        {"exact name beats artist prefix", {"C:\\T\\A\\Artist - Title.txt", "C:\\T\\A\\Title.txt"}, "Title", 1},
        {"short other-case name beats late exact title",
         {"C:\\T\\A\\The very long remastered Title.txt", "C:\\T\\A\\TITLE.txt"},
         "Title",
         1},
        {"the folder does not count", {"C:\\Title\\x Title.txt", "C:\\T\\A\\Title.txt"}, "Title", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BestCandidate(c.candidates, c.title), c.best);
    }
}
