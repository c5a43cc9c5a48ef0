// Any text and caret: the trim and the normalisation keep their promises, and
// a second run changes nothing.
#include "editing/StandInCase.h"
#include "editing/TextTidying.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string WithoutWhitespace(std::string_view text)
{
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return !IsTrimmedByte(c); });
    return kept;
}

std::string Lowered(std::string text)
{
    stand_in::MakeLower(text);
    return text;
}

void CheckTrim(std::string_view text, std::size_t caret)
{
    const TrimmedText once = TrimText(text, caret);
    const std::string& out = once.text;
    Check(out.size() <= text.size());
    Check(once.caret <= out.size());
    Check(once.caret <= caret);
    // Only whitespace goes, and none is left at either end or around a break.
    Check(WithoutWhitespace(out) == WithoutWhitespace(text));
    Check(out.empty() || (!IsTrimmedByte(out.front()) && !IsTrimmedByte(out.back())));
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!IsBreak(out[i]))
            continue;
        Check(i == 0 || IsBreak(out[i - 1]) || !IsTrimmedByte(out[i - 1]));
        Check(i + 1 == out.size() || IsBreak(out[i + 1]) || !IsTrimmedByte(out[i + 1]));
    }
    // The edits rebuild the text; between the two end cuts none crosses a break.
    Check(ApplyEdits(text, once.edits) == out);
    for (std::size_t i = 0; i < once.edits.size(); ++i) {
        const TextEdit& edit = once.edits[i];
        Check(i == 0 || edit.offset >= once.edits[i - 1].offset + once.edits[i - 1].length);
        const bool atAnEnd = edit.offset == 0 || edit.offset + edit.length == text.size();
        const std::string_view cut = text.substr(edit.offset, edit.length);
        Check(atAnEnd || std::none_of(cut.begin(), cut.end(), IsBreak));
    }

    if (!once.edits.empty())
        Check(ApplyEdits(text, {MergedEdit(text, once.edits)}) == out);

    const TrimmedText twice = TrimText(out, once.caret);
    Check(twice.text == out && twice.caret == once.caret && twice.edits.empty());
}

void CheckNormalise(std::string_view text)
{
    const NormalisedText once = NormaliseText(text, stand_in::MakeUpper, stand_in::MakeLower);
    Check(once.text.size() == text.size());
    Check(Lowered(once.text) == Lowered(std::string(text)));
    for (std::size_t i = 0; i < text.size(); ++i)
        Check(IsBreak(text[i]) == IsBreak(once.text[i]) && (!IsBreak(text[i]) || text[i] == once.text[i]));
    Check(ApplyEdits(text, once.edits) == once.text);
    for (const TextEdit& edit : once.edits) {
        const std::string_view replaced = text.substr(edit.offset, edit.length);
        Check(std::none_of(replaced.begin(), replaced.end(), IsBreak));
    }
    if (!once.edits.empty())
        Check(ApplyEdits(text, {MergedEdit(text, once.edits)}) == once.text);
    const NormalisedText twice = NormaliseText(once.text, stand_in::MakeUpper, stand_in::MakeLower);
    Check(twice.text == once.text && twice.edits.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes place the caret, anywhere up to a little past the end.
    const std::size_t caret = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % (size + 8);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    CheckTrim(text, caret);
    CheckNormalise(text);
    return 0;
}
