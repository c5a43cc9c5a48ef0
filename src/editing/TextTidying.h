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

// One change of a text: `length` bytes from `offset` replaced by
// `replacement`. Offsets count in the text as it was before any change.
struct TextEdit {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string replacement;

    bool operator==(const TextEdit&) const = default;
};

// In text order, never overlapping. A text area takes them one by one, which
// keeps every line break where it was, instead of rebuilding the whole text.
using TextEdits = std::vector<TextEdit>;

std::string ApplyEdits(std::string_view text, const TextEdits& edits);

// The same change as one edit, from the start of the first edit to the end of
// the last; `edits` must not be empty.
TextEdit MergedEdit(std::string_view text, const TextEdits& edits);

struct TrimmedText {
    std::string text;
    std::size_t caret = 0;
    // Make `text` out of the original: the cut of the leading and of the
    // trailing whitespace, and in between the ends cut off each line.
    TextEdits edits;
};

// The text without its leading and trailing whitespace, and every line of it
// without its own. Blank lines inside the text stay, emptied; line breaks (CR,
// LF or CR LF) stay as they were. The caret moves back by what was cut from
// the very start of the text only (not by what later lines lose), stopping at
// 0 and at the end of the new text.
TrimmedText TrimText(std::string_view text, std::size_t caret);

// Changes the letter case of a whole string in place, byte by byte.
using CaseConversion = void (*)(std::string&);

struct NormalisedText {
    std::string text;
    // Make `text` out of the original, at most one per line, none across a
    // line break.
    TextEdits edits;
};

// Every line that is not empty becomes the upper case of its first character,
// whatever that is, followed by the lower case of the rest. Line breaks stay
// as they were, so the text keeps its length.
NormalisedText NormaliseText(std::string_view text, CaseConversion toUpper, CaseConversion toLower);
