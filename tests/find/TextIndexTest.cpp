#include "editing/TextEncoding.h"
#include "find/TextIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string InCp1251(const std::u16string& text)
{
    return EncodeText(text, Cp1251Format).value();
}

// A small library as users keep one: texts in artist and album folders and
// right in the texts folder, in the three encodings, names of any letters.
TextIndex Library()
{
    const std::pair<const wchar_t*, std::string> texts[] = {
        {L"Кино\\Группа крови.txt", InCp1251(u"Тёплое место, но улицы ждут\r\nотпечатков наших ног.\r\n")},
        {L"Кино\\Альбом\\Звезда по имени Солнце.txt", "\xEF\xBB\xBF" + std::string(reinterpret_cast<const char*>(
                                                           u8"Белый снег, серый лёд,\nна растрескавшейся земле.\n"))},
        {L"ДДТ\\Осень.txt", std::string(reinterpret_cast<const char*>(u8"Что такое осень \u2014 это небо,\n"
                                                                      u8"Плачущее небо под ногами.\n"))},
        {L"Чайф\\Небо.txt", InCp1251(u"  Слова  ")},
        {L"Björk\\Jóga.txt", std::string("\xFF\xFE" "A\0l\0l\0 \0t\0h\0e\0s\0e\0", 20)},
        {L"AC_DC\\Back In Black.txt", "Back in the saddle"},
        {L"Песня без автора.txt", InCp1251(u"Просто слова")},
    };
    TextIndex index;
    for (const auto& [path, bytes] : texts)
        index.Put(PrepareText(path, bytes).value());
    return index;
}

struct Expected {
    std::wstring name;
    // The line shown beside it; empty when the name alone matched.
    std::wstring line;
};

} // namespace

TEST(TextIndex, FindsByNameBeforeWordsInAnyOrderAndCaseAsTheTolerantNamesDo)
{
    const struct {
        const wchar_t* query;
        std::vector<Expected> found;
    } cases[] = {
        {L"кино", {{L"Кино - Группа крови", L""}, {L"Кино - Звезда по имени Солнце", L""}}},
        {L"ГРУП", {{L"Кино - Группа крови", L""}}},
        {L"лёд белый", {{L"Кино - Звезда по имени Солнце", L"Белый снег, серый лёд,"}}},
        {L"ЛЕД, «белый»!", {{L"Кино - Звезда по имени Солнце", L"Белый снег, серый лёд,"}}},
        {L"небо осень", {{L"ДДТ - Осень", L"Что такое осень \u2014 это небо,"}}},
        {L"небо", {{L"Чайф - Небо", L""}, {L"ДДТ - Осень", L"Что такое осень \u2014 это небо,"}}},
        // A whole word before a word it only begins.
        {L"ног", {{L"Кино - Группа крови", L"отпечатков наших ног."}, {L"ДДТ - Осень", L"Плачущее небо под ногами."}}},
        {L"тепл кино", {{L"Кино - Группа крови", L"Тёплое место, но улицы ждут"}}},
        {L"слова", {{L"Песня без автора", L"Просто слова"}, {L"Чайф - Небо", L"Слова"}}},
        {L"bjork joga these", {{L"Björk - Jóga", L"All these"}}},
        {L"ac/dc", {{L"AC_DC - Back In Black", L""}}},
        {L"back", {{L"AC_DC - Back In Black", L""}}},
        {L"кино небо", {}},
        {L"улицы ждут ног крови", {{L"Кино - Группа крови", L"Тёплое место, но улицы ждут"}}},
        {L" ,.! ", {}},
    };
    TextIndex index = Library();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "query \"" << c.query << '"');
        const FindQuery query(c.query);
        std::vector<std::wstring> found, expected;
        for (const TextIndex::Hit& hit : index.Find(query))
            found.push_back(index.NameOf(hit.text) + L" | " + (hit.byName ? L"" : index.MatchingLine(hit.text, query)));
        for (const Expected& e : c.found)
            expected.push_back(e.name + L" | " + e.line);
        EXPECT_EQ(found, expected);
    }
}

TEST(TextIndex, KeepsOneEntryAPathAndCountsWhatIsNoText)
{
    TextIndex index = Library();
    EXPECT_EQ(index.TextCount(), 7u);
    // The same file named in another letter case, now with other words.
    index.Put(PrepareText(L"КИНО\\группа КРОВИ.TXT", "new words").value());
    EXPECT_EQ(index.TextCount(), 7u);
    EXPECT_TRUE(index.Find(FindQuery(L"улицы")).empty());
    ASSERT_EQ(index.Find(FindQuery(L"new")).size(), 1u);
    EXPECT_EQ(index.PathOf(index.Find(FindQuery(L"new"))[0].text), L"КИНО\\группа КРОВИ.TXT");

    // Binary bytes are no text; a bad file takes the place of a text.
    EXPECT_FALSE(PrepareText(L"a.txt", std::string("MZ\x90\0\x03\0\0\0", 8)));
    EXPECT_FALSE(PrepareText(L"a.txt", std::string(40, '\x01') + std::string(400, 'a')));
    EXPECT_TRUE(PrepareText(L"a.txt", "old DOS text\r\n\x1A"));
    index.MarkBad(L"ддт\\осень.txt");
    index.MarkBad(L"Кино\\Не текст.txt");
    EXPECT_EQ(index.TextCount(), 6u);
    EXPECT_EQ(index.BadCount(), 2u);
    EXPECT_TRUE(index.Find(FindQuery(L"осень")).empty());

    // A folder taken out with everything below it, and nothing beside it.
    index.Put(PrepareText(L"Кино 2\\Песня.txt", "").value());
    index.Remove(L"кино");
    EXPECT_EQ(index.TextCount(), 5u);
    EXPECT_EQ(index.BadCount(), 1u);
    EXPECT_EQ(index.NameOf(index.Find(FindQuery(L"кино"))[0].text), L"Кино 2 - Песня");
    index.Remove(L"");
    EXPECT_EQ(index.TextCount() + index.BadCount(), 0u);
}
