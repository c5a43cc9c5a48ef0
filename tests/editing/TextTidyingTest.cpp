#include "editing/StandInCase.h"
#include "editing/TextTidying.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Code page 1251 bytes for the few characters these tests spell: ASCII,
// the Cyrillic alphabet, Ё/ё and the no-break space.
std::string Ansi(std::wstring_view text)
{
    std::string bytes;
    for (const wchar_t c : text) {
        if (c < 0x80 || c == 0xA0)
            bytes += static_cast<char>(c);
        else if (c >= 0x410 && c <= 0x44F)
            bytes += static_cast<char>(0xC0 + (c - 0x410));
        else if (c == 0x401)
            bytes += static_cast<char>(0xA8);
        else if (c == 0x451)
            bytes += static_cast<char>(0xB8);
        else
            ADD_FAILURE() << "no code page 1251 byte for U+" << std::hex << static_cast<unsigned>(c);
    }
    return bytes;
}

NormalisedText Normalise(std::string_view text)
{
    return NormaliseText(text, stand_in::MakeUpper, stand_in::MakeLower);
}

struct TrimCase {
    const char* name;
    std::string text;
    std::size_t caret;
    std::string trimmed;
    std::size_t trimmedCaret;
};

} // namespace

TEST(TrimText, CutsOuterBlankLinesAndLineEnds)
{
    const TrimCase cases[] = {
        {"empty", "", 0, "", 0},
        {"whitespace only", "\r\n\r\n\t", 3, "", 0},
        {"sample, CR LF", "\r\n  Hello  \r\n\r\n\tworld \r\n\r\n", 0, "Hello\r\n\r\nworld", 0},
        {"sample, CR as the text area keeps it", "\r  Hello  \r\r\tworld \r\r", 0, "Hello\r\rworld", 0},
        {"sample, LF", "\n  Hello  \n\n\tworld \n\n", 0, "Hello\n\nworld", 0},
        {"blank inner line emptied, kept", "a\r\n \t \r\nb", 0, "a\r\n\r\nb", 0},
        {"mixed breaks kept", "a \n b \r c", 0, "a\nb\rc", 0},
        {"every control byte is whitespace", "\x01\x1F abc\x0B\x7F\x0C", 0, "abc\x0B\x7F", 0},
        {"no-break space is not", Ansi(L"\u00A0abc\u00A0 "), 0, Ansi(L"\u00A0abc\u00A0"), 0},
        {"Cyrillic is not", Ansi(L" \u044F \u0401"), 0, Ansi(L"\u044F \u0401"), 0},
        {"lone CR before LF-only line", "a \r \nb", 0, "a\r\nb", 0},
        // Caret: back by the whitespace cut from the start only.
        {"caret before b after CR LF and two spaces", "\r\n  abc", 5, "abc", 1},
        {"same caret as the text area counts it", "\r  abc", 4, "abc", 1},
        {"caret inside the leading whitespace", "\r\n  abc", 3, "abc", 0},
        {"caret at the start", "  abc", 0, "abc", 0},
        {"caret past the new end", "abc   ", 6, "abc", 3},
        {"caret ignores what later lines lose", "a\r\n  bc", 5, "a\r\nbc", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TrimmedText once = TrimText(c.text, c.caret);
        EXPECT_EQ(once.text, c.trimmed);
        EXPECT_EQ(once.caret, c.trimmedCaret);

        const TrimmedText twice = TrimText(once.text, once.caret);
        EXPECT_EQ(twice.text, once.text);
        EXPECT_EQ(twice.caret, once.caret);
    }
}

TEST(NormaliseText, CapitalisesEachLineAndLowersTheRest)
{
    const struct {
        std::wstring text;
        std::wstring normalised;
    } cases[] = {
        {L"\u043F\u0420\u0418\u0412\u0415\u0422, \u041C\u0418\u0420", L"\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440"},
        {L"hello World", L"Hello world"},
        {L" hello World", L" hello world"},
        {L"a", L"A"},
        {L"\u0451\u041B\u041A\u0410 \u0401\u0416", L"\u0401\u043B\u043A\u0430 \u0451\u0436"},
        {L"1ST -\u0414\u0410", L"1st -\u0434\u0430"},
        {L"\"QUOTED\"", L"\"quoted\""},
        {L"\r\n\r\nab\r\n", L"\r\n\r\nAb\r\n"},
        {L"aB\rcD\nEf\r\ngH", L"Ab\rCd\nEf\r\nGh"},
        {L"\u00A0ABC", L"\u00A0abc"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        const std::string text = Ansi(c.text);
        SCOPED_TRACE(text);
        const NormalisedText once = Normalise(text);
        EXPECT_EQ(once.text, Ansi(c.normalised));
        EXPECT_EQ(ApplyEdits(text, once.edits), once.text);
        EXPECT_EQ(Normalise(once.text).text, once.text);
    }
}

TEST(NormaliseText, EditsOnlyWhatChangesLineByLine)
{
    const NormalisedText result = Normalise("Hello\r\nwORLD\r\n\r\nok\rFINE");
    const TextEdits expected = {{7, 5, "World"}, {16, 1, "O"}, {20, 3, "ine"}};
    EXPECT_EQ(result.edits, expected);
    EXPECT_TRUE(Normalise("Same\r\nAs before").edits.empty());
}

TEST(NormaliseText, ConvertsThroughTheGivenCaseFunctions)
{
    // Whatever the conversions do is what the lines get: the first character
    // goes through the upper one, the rest through the lower one.
    const auto upper = [](std::string& text) { text.assign(text.size(), 'U'); };
    const auto lower = [](std::string& text) { text.assign(text.size(), 'l'); };
    EXPECT_EQ(NormaliseText("ab\r\n\r\ncde\rf", upper, lower).text, "Ul\r\n\r\nUll\rU");
}

TEST(MergedEdit, MakesTheSameChangeInOneGo)
{
    const std::string text = "  one \r\n two\r\nthree  ";
    const TrimmedText trimmed = TrimText(text, 0);
    ASSERT_GT(trimmed.edits.size(), 1u);
    const TextEdit merged = MergedEdit(text, trimmed.edits);
    EXPECT_EQ(merged, (TextEdit{0, text.size(), "one\r\ntwo\r\nthree"}));

    const TextEdits inner = {{3, 1, "N"}, {9, 2, ""}};
    EXPECT_EQ(MergedEdit(text, inner), (TextEdit{3, 8, "Ne \r\n "}));
    EXPECT_EQ(ApplyEdits(text, {MergedEdit(text, inner)}), ApplyEdits(text, inner));
}
