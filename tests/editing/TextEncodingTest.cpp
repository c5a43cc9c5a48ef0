#include "editing/SavingRules.h"
#include "editing/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The compiler's own UTF-8 for a literal.
std::string Utf8(std::u8string_view text)
{
    return {text.begin(), text.end()};
}

constexpr TextFormat Utf8Plain{TextEncoding::Utf8, false};
constexpr TextFormat Utf16Le{TextEncoding::Utf16Le, true};
constexpr TextFormat Utf16Be{TextEncoding::Utf16Be, true};

TEST(TextEncoding, DetectsByMarkThenAsciiThenStrictUtf8ElseCp1251AndEveryByteComesBack)
{
    const struct {
        const char* name;
        std::string bytes;
        TextFormat format;
        std::u16string text;
    } cases[] = {
        {"ASCII", "Yellow\r\nSubmarine", Cp1251Format, u"Yellow\r\nSubmarine"},
        {"cp1251 Cyrillic, not UTF-8", "\xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xEB\xEA\xE0", Cp1251Format, u"Привет, ёлка"},
        {"cp1251 special letters", "\xA5\xB4\xA8\x88\x98\xB9", Cp1251Format, u"ҐґЁ€\u0098№"},
        {"UTF-8 without a mark", Utf8(u8"Zażółć ґанок 😀"), Utf8Plain, u"Zażółć ґанок 😀"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + Utf8(u8"Ёж"), Utf8WithMark, u"Ёж"},
        {"UTF-16 LE", std::string("\xFF\xFE\x01\x04\x3D\xD8\x00\xDE", 8), Utf16Le, u"Ё😀"},
        {"UTF-16 BE", std::string("\xFE\xFF\x04\x01\x00\x0A", 6), Utf16Be, u"Ё\n"},
        {"UTF-16 keeps an unpaired surrogate", std::string("\xFF\xFE\x00\xDC", 4), Utf16Le, u"\xDC00"},
        {"odd-length UTF-16", "\xFF\xFE\x41", Cp1251Format, u"яюA"},
        {"a UTF-8 mark before broken UTF-8", "\xEF\xBB\xBF\xE0", Cp1251Format, u"п»їа"},
        {"overlong UTF-8", "\xC0\xAF", Cp1251Format, u"АЇ"},
        {"a surrogate in UTF-8", "\xED\xA0\x80", Cp1251Format, u"н\u00A0Ђ"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", Cp1251Format, u"фђЂЂ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = DecodeText(c.bytes);
        EXPECT_EQ(decoded.format, c.format);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(EncodeText(decoded.text, decoded.format), c.bytes);
    }

    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    EXPECT_EQ(EncodeText(DecodeText(everyByte, Cp1251Format).value(), Cp1251Format), everyByte);
}

TEST(SavingRules, AFileKeepsItsFormatAndCp1251AsksForUtf8OnlyWhenItMust)
{
    const struct {
        const char* name;
        std::u16string text;
        ShownTextFormat shown;
        bool modified;
        SaveAction action;
        TextFormat format;
        std::string bytes;
    } cases[] = {
        {"cp1251, even unchanged", u"Ёж", {}, false, SaveAction::Write, Cp1251Format, "\xA8\xE6"},
        {"cp1251 lacks ł", u"Łza", {}, true, SaveAction::AskToSwitchToUtf8, Utf8WithMark, "\xEF\xBB\xBF" + Utf8(u8"Łza")},
        {"UTF-8 stays without a mark", u"Łza", {Utf8Plain}, true, SaveAction::Write, Utf8Plain, Utf8(u8"Łza")},
        {"UTF-16 BE stays", u"ж", {Utf16Be}, true, SaveAction::Write, Utf16Be, "\xFE\xFF\x04\x36"},
        {"unchanged UTF-8", u"x", {Utf8Plain}, false, SaveAction::KeepFile, Utf8Plain, ""},
        {"held with a loss", u"x", {Utf8Plain, false}, true, SaveAction::Refuse, Utf8Plain, ""},
        {"no encoding holds it", u"\xDC00", {}, true, SaveAction::Refuse, Cp1251Format, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SavePlan plan = PlanSave(c.text, c.shown, c.modified);
        EXPECT_EQ(plan.action, c.action);
        EXPECT_EQ(plan.format, c.format);
        EXPECT_EQ(plan.bytes, c.bytes);
    }
}

} // namespace
