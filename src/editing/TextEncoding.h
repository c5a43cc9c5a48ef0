#pragma once

#include <optional>
#include <string>
#include <string_view>

// How a text file stores its characters. Everything here is a plain function
// of bytes and UTF-16 text; nothing asks the system, so that every platform
// decodes a file the same way.

enum class TextEncoding { Cp1251, Utf8, Utf16Le, Utf16Be };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Cp1251;
    // Whether the file begins with a byte-order mark (never for code page 1251).
    bool byteOrderMark = false;

    bool operator==(const TextFormat&) const = default;
};

inline constexpr TextFormat Cp1251Format{};
inline constexpr TextFormat Utf8WithMark{TextEncoding::Utf8, true};

// The text of `bytes` stored in `format`, mark excluded; nothing when the
// bytes are not that format (a missing mark, broken UTF-8, odd-length UTF-16).
// Code page 1251 decodes every byte: 0x98, which it leaves unassigned, stands
// for U+0098, so that encoding gives the byte back. UTF-16 keeps unpaired
// surrogates as they are, for the same reason.
std::optional<std::u16string> DecodeText(std::string_view bytes, TextFormat format);

// `text` as the bytes of `format`, mark included; nothing when the format
// cannot hold one of its characters (a character code page 1251 lacks, an
// unpaired surrogate in UTF-8).
std::optional<std::string> EncodeText(std::u16string_view text, TextFormat format);

struct DecodedText {
    TextFormat format;
    std::u16string text;
};

// A file's text, and its format from its bytes alone, in this order: a
// byte-order mark (UTF-8, UTF-16 LE, UTF-16 BE) whose rest decodes in that
// encoding; plain ASCII, which code page 1251 reads as it always did; strict
// UTF-8 holding at least one multi-byte sequence; code page 1251 for anything
// else. A mark whose rest does not decode (odd-length UTF-16, broken UTF-8)
// leaves the file to code page 1251, which has a character for every byte. No
// guessing from letter statistics: it misreads short texts.
DecodedText DecodeText(std::string_view bytes);

// A name in code page 1251 (a font, a setting) as UTF-16, and back; a
// character code page 1251 lacks comes back as "?", as the system's own
// conversion gives it.
std::wstring WideFromCp1251(std::string_view text);
std::string Cp1251FromWide(std::wstring_view text);

// What the program knows of the file on screen, so that saving writes it back
// the way it was.
struct ShownTextFormat {
    TextFormat format;
    // False when the text area could not take the file's text as it is (a
    // NUL character, say): saving over the file would lose characters.
    bool heldExactly = true;
};
