#include "sync/SyncedText.h"
#include "sync/TimedTextFile.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Each line as its times, "=" and what is shown, then its words as <at@ms>;
// "#" for a header line.
std::u16string Outline(const SyncedText& text)
{
    std::u16string outline;
    for (const SyncedLine& line : text.lines) {
        std::string times;
        for (const int ms : line.times)
            times += (times.empty() ? "" : ",") + std::to_string(ms);
        for (const SyncedWord& word : line.words)
            times += "<" + std::to_string(word.at) + "@" + std::to_string(word.ms) + ">";
        outline += outline.empty() ? u"" : u"|";
        outline += line.header ? u"#" : std::u16string(times.begin(), times.end()) + u"=" + line.shown;
    }
    return outline;
}

} // namespace

// Texts as they come from lyrics sites and hand-made files; each is written
// back unit for unit.
TEST(ParseSyncedText, ReadsTagsHeadersAndWordsAndWritesTheTextBack)
{
    const struct { std::u16string_view text; std::u16string_view outline; int offsetMs; } cases[] = {
        {u"[00:12]One\r\n[00:15.5]Two\r\n[01:02.34]Three\r\n[3:04.567]Four", u"12000=One|15500=Two|62340=Three|184567=Four", 0},
        {u"[ti:Song]\n[ar:Артист]\n[offset:+200]\n[00:12.00][01:30.50]Chorus line\n\nVerse, untimed\n[00:20.00]Next\n",
         u"#|#|#|12000,90500=Chorus line|=|=Verse, untimed|20000=Next", 200},
        {u"[offset:-150]\r[00:01.00]a\r[00:02.00]b", u"#|1000=a|2000=b", -150},
        {u"[OFFSET: 300 ]\n[00:01.00]a\n[00:02.00]b", u"#|1000=a|2000=b", 300},
        {u"[offset:soon]\n[offset:+100]\n[00:01.00]a\n[00:02.00]b", u"#|#|1000=a|2000=b", 0},
        {u"[00:01.00]a [00:02.00] b\n[99:59.99]c", u"1000=a [00:02.00] b|5999990=c", 0},
        {u"[00:60.00]w\n[00:1.00]x\n[123456:00.00]y\n[00:01.0000]z\n[00:02]ok\n[99999:59.999]far",
         u"=[00:60.00]w|=[00:1.00]x|=[123456:00.00]y|=[00:01.0000]z|2000=ok|2147483647=far", 0},
        {u"[Chorus]\n[Verse 1: Someone]\n[ar:Artist] and more\n[00:01]a\n[00:02]b",
         u"=[Chorus]|=[Verse 1: Someone]|=[ar:Artist] and more|1000=a|2000=b", 0},
        {u"[00:01.00]<00:01.00>Hello <00:01.50>world<00:02.10>\n[00:02.20]<00:02.20> I <3 you",
         u"1000<0@1000><6@1500><11@2100>=Hello world|2200<1@2200>= I <3 you", 0},
        {u"\r\n\r\n  [00:01]  a\t\n\r\t[00:02]b \r\r\n\n", u"=|=|1000=  a\t|=|2000=b |=|=", 0},
        {u"\uFEFF[00:01]a\n[00:02]b\n\n", u"1000=a|2000=b|=", 0},
    };
    for (const auto& c : cases) {
        const std::optional<SyncedText> parsed = ParseSyncedText(c.text);
        ASSERT_TRUE(parsed) << std::string(c.outline.begin(), c.outline.end());
        EXPECT_EQ(Outline(*parsed), c.outline);
        EXPECT_EQ(parsed->offsetMs, c.offsetMs);
        EXPECT_EQ(WrittenText(*parsed, parsed->offsetMs), c.text);
    }
    for (const std::u16string_view plain : {u"", u"[00:12.00]Only one timed line\nplain", u"[00:01][00:02]One line",
             u"[ar:A]\n[ti:T]\nWords", u"[00:01.00]", u"<00:01.00>a\n<00:02.00>b"})
        EXPECT_FALSE(ParseSyncedText(plain));
}

TEST(WrittenText, SetsTheOffsetInPlaceOrAddsItFirst)
{
    const struct { std::u16string_view text; int offsetMs; std::u16string_view written; } cases[] = {
        {u"[ar:A]\r\n[offset:+200]\r\n[00:01]a\r\n[00:02]b", -150, u"[ar:A]\r\n[offset:-150]\r\n[00:01]a\r\n[00:02]b"},
        {u"[00:01]a\n[00:02]b\n[offset:-5]", 0, u"[00:01]a\n[00:02]b\n[offset:0]"},
        {u"[offset:soon]\r[00:01]a\r[00:02]b", 50, u"[offset:+50]\r[00:01]a\r[00:02]b"},
        {u"[00:01]a\n[00:02]b", 200, u"[offset:+200]\n[00:01]a\n[00:02]b"},
        {u"[00:01]a\r\n[00:02]b\n", INT_MIN, u"[offset:-2147483648]\r\n[00:01]a\r\n[00:02]b\n"},
        {u"[00:01]a\n[00:02]b", 0, u"[00:01]a\n[00:02]b"},
    };
    for (const auto& c : cases) {
        const std::u16string written = WrittenText(*ParseSyncedText(c.text), c.offsetMs);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(ParseSyncedText(written)->offsetMs, c.offsetMs);
    }
}

TEST(LineAt, FollowsTheSongWithTheOffset)
{
    const SyncedText text = *ParseSyncedText(u"[ti:T]\n[00:01.00]a\nuntimed\n[00:02.00]b\n[00:02.00]c\n[00:03.00][00:00.50]d");
    EXPECT_EQ(ShownTextOf(text).text, u"a\runtimed\rb\rc\rd");
    EXPECT_EQ(ShownTextOf(text).lineOf, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    const std::vector<Cue> cues = CuesOf(text);
    const struct { int positionMs; int offsetMs; std::optional<std::size_t> line; } cases[] = {{499, 0, {}}, {500, 0, 5}, {1000, 0, 1}, {1999, 0, 1}, {2000, 0, 4}, {5000, 0, 5}, {800, 200, 1},
        {799, 200, 5}, {299, 200, {}}, {1200, -200, 1}, {1199, -200, 5}, {2200, -200, 4}, {INT_MAX, INT_MAX, 5}, {INT_MIN, INT_MIN, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(LineAt(cues, c.positionMs, c.offsetMs), c.line) << c.positionMs << " " << c.offsetMs;
    const SyncedLine worded = ParseSyncedText(u"[00:01.00]a <00:01.40>b <00:01.20>c\n[00:02.00]d")->lines[0];
    const struct { int positionMs; int offsetMs; const SyncedLine* line; std::optional<int> wait; } waits[] = {{0, 0, nullptr, 500}, {500, 0, nullptr, 500},
        {2500, 0, nullptr, 500}, {3000, 0, nullptr, {}}, {1000, 0, &worded, 200}, {1250, 0, &worded, 150}, {1500, 0, &worded, 500}, {800, 200, &worded, 200},
        {INT_MAX, INT_MAX, &worded, {}}, {INT_MIN, INT_MIN, nullptr, INT_MAX}};
    for (const auto& c : waits)
        EXPECT_EQ(MsToNextChange(cues, c.line, c.positionMs, c.offsetMs), c.wait) << c.positionMs << " " << c.offsetMs;
    EXPECT_EQ(JumpTargetOf(text, 5, -200), 700);
    EXPECT_EQ(JumpTargetOf(text, 1, 1500), 0);
    EXPECT_EQ(JumpTargetOf(text, 2, 0), std::nullopt);
}

TEST(MarkNextLine, TimesTheNextLineStillWithoutATag)
{
    const std::u16string_view text = u"Title\r\n\r\n  \t\r\n[00:01.00]done\r\n[ar:A]\r\nNext\r\n";
    const struct { std::size_t fromLine; int ms; std::size_t line; std::u16string_view marked; } cases[] = {
        {0, 12345, 0, u"[00:12.34]Title\r\n\r\n  \t\r\n[00:01.00]done\r\n[ar:A]\r\nNext\r\n"},
        {1, 3723459, 5, u"Title\r\n\r\n  \t\r\n[00:01.00]done\r\n[ar:A]\r\n[62:03.45]Next\r\n"},
        {5, -40, 5, u"Title\r\n\r\n  \t\r\n[00:01.00]done\r\n[ar:A]\r\n[00:00.00]Next\r\n"},
        {6, 0, 0, u""},
    };
    for (const auto& c : cases) {
        const std::optional<MarkedLine> marked = MarkNextLine(text, c.fromLine, c.ms);
        EXPECT_EQ(marked ? marked->text : u"", c.marked);
        EXPECT_EQ(marked ? marked->line : 0, c.line);
    }
}

TEST(TimedTextFile, IsTheTextsTwinWithItsOwnExtension)
{
    EXPECT_EQ(TimedTextFileOf(L"C:\\Texts\\Björk\\Jóga.txt"), L"C:\\Texts\\Björk\\Jóga.lrc");
    EXPECT_EQ(TimedTextFileOf(L"C:\\Texts\\A\\Song.TXT"), L"C:\\Texts\\A\\Song.lrc");
    EXPECT_EQ(TimedTextFileOf(L"C:\\Texts\\A\\Song.lrc"), L"");
    EXPECT_EQ(TimedTextFileOf(L"txt"), L"");
}
