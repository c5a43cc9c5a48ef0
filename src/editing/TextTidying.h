#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The trim's whitespace: every byte up to the space, control characters
// included, and nothing above it, so that neither Cyrillic letters nor the
// no-break space (160 in code page 1251) are ever cut.
constexpr bool IsTrimmedByte(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

constexpr bool IsTrimmedByte(char16_t c)
{
    return c <= 32;
}

// One change of a text: `length` characters from `offset` replaced by
// `replacement`. Offsets count in the text as it was before any change. Code
// page 1251 text counts bytes; UTF-16 text (one holding characters that code
// page 1251 lacks) counts its units, as the text area does.
template <typename Char>
struct BasicTextEdit {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::basic_string<Char> replacement;

    bool operator==(const BasicTextEdit&) const = default;
};
using TextEdit = BasicTextEdit<char>;
using UnicodeTextEdit = BasicTextEdit<char16_t>;

// In text order, never overlapping. A text area takes them one by one, which
// keeps every line break where it was, instead of rebuilding the whole text.
template <typename Char>
using BasicTextEdits = std::vector<BasicTextEdit<Char>>;
using TextEdits = BasicTextEdits<char>;
using UnicodeTextEdits = BasicTextEdits<char16_t>;

std::string ApplyEdits(std::string_view text, const TextEdits& edits);
std::u16string ApplyEdits(std::u16string_view text, const UnicodeTextEdits& edits);

// The same change as one edit, from the start of the first edit to the end of
// the last; `edits` must not be empty.
TextEdit MergedEdit(std::string_view text, const TextEdits& edits);
UnicodeTextEdit MergedEdit(std::u16string_view text, const UnicodeTextEdits& edits);

template <typename Char>
struct BasicTrimmedText {
    std::basic_string<Char> text;
    std::size_t caret = 0;
    // Make `text` out of the original: the cut of the leading and of the
    // trailing whitespace, and in between the ends cut off each line.
    BasicTextEdits<Char> edits;
};
using TrimmedText = BasicTrimmedText<char>;

// The text without its leading and trailing whitespace, and every line of it
// without its own. Blank lines inside the text stay, emptied; line breaks (CR,
// LF or CR LF) stay as they were. The caret moves back by what was cut from
// the very start of the text only (not by what later lines lose), stopping at
// 0 and at the end of the new text.
TrimmedText TrimText(std::string_view text, std::size_t caret);
BasicTrimmedText<char16_t> TrimText(std::u16string_view text, std::size_t caret);

// Changes the letter case of a whole string in place, character by character.
using CaseConversion = void (*)(std::string&);
using UnicodeCaseConversion = void (*)(std::u16string&);

template <typename Char>
struct BasicNormalisedText {
    std::basic_string<Char> text;
    // Make `text` out of the original, at most one per line, none across a
    // line break.
    BasicTextEdits<Char> edits;
};
using NormalisedText = BasicNormalisedText<char>;

// Every line that is not empty becomes the upper case of its first character,
// whatever that is, followed by the lower case of the rest. Line breaks stay
// as they were, so the text keeps its length.
NormalisedText NormaliseText(std::string_view text, CaseConversion toUpper, CaseConversion toLower);
BasicNormalisedText<char16_t> NormaliseText(std::u16string_view text, UnicodeCaseConversion toUpper,
                                            UnicodeCaseConversion toLower);
