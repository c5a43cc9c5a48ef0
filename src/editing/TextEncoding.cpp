#include "editing/TextEncoding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Code page 1251 from 0x80 to 0xBF; 0xC0..0xFF are А..я in Unicode order.
// 0x98 is unassigned and stands for U+0098, a control character no text uses.
constexpr std::array<char16_t, 64> Cp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};
constexpr unsigned char FirstLetterByte = 0xC0;
constexpr char16_t FirstLetter = 0x0410;
constexpr char16_t LastLetter = 0x044F;

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string_view MarkOf(TextFormat format)
{
    if (!format.byteOrderMark)
        return {};
    switch (format.encoding) {
    case TextEncoding::Utf8:
        return Utf8Mark;
    case TextEncoding::Utf16Le:
        return Utf16LeMark;
    case TextEncoding::Utf16Be:
        return Utf16BeMark;
    case TextEncoding::Cp1251:
        break;
    }
    return {};
}

std::optional<char> Cp1251Byte(char16_t unit)
{
    if (unit < 0x80)
        return static_cast<char>(unit);
    if (unit >= FirstLetter && unit <= LastLetter)
        return static_cast<char>(FirstLetterByte + (unit - FirstLetter));
    const auto found = std::find(Cp1251High.begin(), Cp1251High.end(), unit);
    if (found == Cp1251High.end())
        return std::nullopt;
    return static_cast<char>(0x80 + (found - Cp1251High.begin()));
}

std::u16string DecodeCp1251(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            return static_cast<char16_t>(byte);
        if (byte >= FirstLetterByte)
            return static_cast<char16_t>(FirstLetter + (byte - FirstLetterByte));
        return Cp1251High[byte - 0x80];
    });
    return text;
}

// Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++at;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - at < length)
            return std::nullopt;
        for (std::size_t next = 1; next < length; ++next) {
            const auto trail = static_cast<unsigned char>(bytes[at + next]);
            if ((trail & 0xC0) != 0x80)
                return std::nullopt;
            code = code << 6 | (trail & 0x3F);
        }
        if (code < least || code > 0x10FFFF || IsHighSurrogate(code) || IsLowSurrogate(code))
            return std::nullopt;
        if (code >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
        at += length;
    }
    return text;
}

std::optional<std::string> EncodeUtf8(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 2);
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t code = text[at];
        if (IsHighSurrogate(code) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]))
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
        else if (IsHighSurrogate(code) || IsLowSurrogate(code))
            return std::nullopt;
        if (code < 0x80) {
            bytes.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | code >> 6));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | code >> 12));
            bytes.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | code >> 18));
            bytes.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return bytes;
}

std::optional<std::u16string> DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        const auto first = static_cast<unsigned char>(bytes[2 * unit]);
        const auto second = static_cast<unsigned char>(bytes[2 * unit + 1]);
        text[unit] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        const auto high = static_cast<char>(text[unit] >> 8);
        const auto low = static_cast<char>(text[unit] & 0xFF);
        bytes[2 * unit] = bigEndian ? high : low;
        bytes[2 * unit + 1] = bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

std::optional<std::u16string> DecodeText(std::string_view bytes, TextFormat format)
{
    const std::string_view mark = MarkOf(format);
    if (!bytes.starts_with(mark))
        return std::nullopt;
    bytes.remove_prefix(mark.size());
    switch (format.encoding) {
    case TextEncoding::Cp1251:
        return DecodeCp1251(bytes);
    case TextEncoding::Utf8:
        return DecodeUtf8(bytes);
    case TextEncoding::Utf16Le:
        return DecodeUtf16(bytes, false);
    case TextEncoding::Utf16Be:
        return DecodeUtf16(bytes, true);
    }
    return std::nullopt;
}

std::optional<std::string> EncodeText(std::u16string_view text, TextFormat format)
{
    std::optional<std::string> bytes;
    switch (format.encoding) {
    case TextEncoding::Cp1251:
        bytes.emplace(text.size(), '\0');
        for (std::size_t at = 0; at < text.size(); ++at) {
            const std::optional<char> byte = Cp1251Byte(text[at]);
            if (!byte)
                return std::nullopt;
            (*bytes)[at] = *byte;
        }
        break;
    case TextEncoding::Utf8:
        bytes = EncodeUtf8(text);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        bytes = EncodeUtf16(text, format.encoding == TextEncoding::Utf16Be);
        break;
    }
    if (bytes)
        bytes->insert(0, MarkOf(format));
    return bytes;
}

DecodedText DecodeText(std::string_view bytes)
{
    for (const TextFormat marked : {Utf8WithMark, TextFormat{TextEncoding::Utf16Le, true},
                                    TextFormat{TextEncoding::Utf16Be, true}}) {
        if (!bytes.starts_with(MarkOf(marked)))
            continue;
        if (std::optional<std::u16string> text = DecodeText(bytes, marked))
            return {marked, std::move(*text)};
        break;
    }
    // Plain ASCII stays code page 1251, as it always was read; any other byte
    // that strict UTF-8 accepts belongs to a multi-byte sequence.
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        if (std::optional<std::u16string> text = DecodeUtf8(bytes))
            return {{TextEncoding::Utf8, false}, std::move(*text)};
    }
    return {Cp1251Format, DecodeCp1251(bytes)};
}

std::wstring WideFromCp1251(std::string_view text)
{
    const std::u16string units = DecodeCp1251(text);
    return {units.begin(), units.end()};
}

std::string Cp1251FromWide(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t unit : text)
        bytes += Cp1251Byte(static_cast<char16_t>(unit)).value_or('?');
    return bytes;
}
