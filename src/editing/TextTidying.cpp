#include "editing/TextTidying.h"

#include "editing/TextLines.h"

#include <algorithm>

namespace {

template <typename Char>
std::size_t LeadingWhitespace(std::basic_string_view<Char> text)
{
    std::size_t count = 0;
    while (count < text.size() && IsTrimmedByte(text[count]))
        ++count;
    return count;
}

template <typename Char>
std::size_t TrailingWhitespace(std::basic_string_view<Char> text)
{
    std::size_t count = 0;
    while (count < text.size() && IsTrimmedByte(text[text.size() - 1 - count]))
        ++count;
    return count;
}

template <typename Char>
void AddCut(BasicTextEdits<Char>& edits, std::size_t offset, std::size_t length)
{
    if (length > 0)
        edits.push_back({offset, length, {}});
}

template <typename Char>
std::basic_string<Char> Applied(std::basic_string_view<Char> text, const BasicTextEdits<Char>& edits)
{
    std::basic_string<Char> result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (const BasicTextEdit<Char>& edit : edits) {
        result.append(text.substr(copied, edit.offset - copied)).append(edit.replacement);
        copied = edit.offset + edit.length;
    }
    result.append(text.substr(copied));
    return result;
}

template <typename Char>
BasicTextEdit<Char> Merged(std::basic_string_view<Char> text, const BasicTextEdits<Char>& edits)
{
    const std::size_t begin = edits.front().offset;
    const std::size_t end = edits.back().offset + edits.back().length;
    BasicTextEdits<Char> shifted = edits;
    for (BasicTextEdit<Char>& edit : shifted)
        edit.offset -= begin;
    return {begin, end - begin, Applied(text.substr(begin, end - begin), shifted)};
}

template <typename Char>
BasicTrimmedText<Char> Trimmed(std::basic_string_view<Char> text, std::size_t caret)
{
    using View = std::basic_string_view<Char>;
    BasicTrimmedText<Char> result;
    const std::size_t leading = LeadingWhitespace(text);
    const std::size_t trailing = leading == text.size() ? 0 : TrailingWhitespace(text);
    AddCut(result.edits, 0, leading);

    const View inner = text.substr(leading, text.size() - leading - trailing);
    std::size_t lineStart = leading;
    ForEachLineOf(inner, [&](View line, View lineBreak) {
        const std::size_t front = LeadingWhitespace(line);
        const std::size_t back = front == line.size() ? 0 : TrailingWhitespace(line);
        AddCut(result.edits, lineStart, front);
        AddCut(result.edits, lineStart + line.size() - back, back);
        lineStart += line.size() + lineBreak.size();
    });
    AddCut(result.edits, text.size() - trailing, trailing);

    result.text = Applied(text, result.edits);
    result.caret = std::min(caret > leading ? caret - leading : 0, result.text.size());
    return result;
}

template <typename Char>
BasicNormalisedText<Char> Normalised(std::basic_string_view<Char> text, void (*toUpper)(std::basic_string<Char>&),
                                     void (*toLower)(std::basic_string<Char>&))
{
    using View = std::basic_string_view<Char>;
    // Two conversions for the whole text instead of two per line: the rest of
    // every line in one go, then all first characters gathered in one string.
    BasicNormalisedText<Char> result{std::basic_string<Char>(text), {}};
    toLower(result.text);

    std::basic_string<Char> firsts;
    std::size_t lineStart = 0;
    ForEachLineOf(text, [&](View line, View lineBreak) {
        if (!line.empty())
            firsts += line.front();
        // Breaks as they were, whatever the conversion makes of control bytes.
        result.text.replace(lineStart + line.size(), lineBreak.size(), lineBreak);
        lineStart += line.size() + lineBreak.size();
    });
    toUpper(firsts);

    std::size_t next = 0;
    lineStart = 0;
    ForEachLineOf(text, [&](View line, View lineBreak) {
        if (!line.empty())
            result.text[lineStart] = firsts[next++];
        // One edit from the first to the last character that changed in the line.
        std::size_t first = 0;
        while (first < line.size() && result.text[lineStart + first] == line[first])
            ++first;
        if (first < line.size()) {
            std::size_t end = line.size();
            while (result.text[lineStart + end - 1] == line[end - 1])
                --end;
            result.edits.push_back({lineStart + first, end - first, result.text.substr(lineStart + first, end - first)});
        }
        lineStart += line.size() + lineBreak.size();
    });
    return result;
}

} // namespace

std::string ApplyEdits(std::string_view text, const TextEdits& edits)
{
    return Applied(text, edits);
}

std::u16string ApplyEdits(std::u16string_view text, const UnicodeTextEdits& edits)
{
    return Applied(text, edits);
}

TextEdit MergedEdit(std::string_view text, const TextEdits& edits)
{
    return Merged(text, edits);
}

UnicodeTextEdit MergedEdit(std::u16string_view text, const UnicodeTextEdits& edits)
{
    return Merged(text, edits);
}

TrimmedText TrimText(std::string_view text, std::size_t caret)
{
    return Trimmed(text, caret);
}

BasicTrimmedText<char16_t> TrimText(std::u16string_view text, std::size_t caret)
{
    return Trimmed(text, caret);
}

NormalisedText NormaliseText(std::string_view text, CaseConversion toUpper, CaseConversion toLower)
{
    return Normalised(text, toUpper, toLower);
}

BasicNormalisedText<char16_t> NormaliseText(std::u16string_view text, UnicodeCaseConversion toUpper,
                                            UnicodeCaseConversion toLower)
{
    return Normalised(text, toUpper, toLower);
}
