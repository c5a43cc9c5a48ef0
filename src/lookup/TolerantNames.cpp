#include "lookup/TolerantNames.h"

#include "lookup/SafeFileName.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// On Linux wchar_t is signed and 32-bit; a value outside 0..0xFFFF simply
// matches no rule.
char32_t CodeOf(wchar_t c)
{
    return static_cast<char32_t>(c);
}

// The case pairs of Latin-1, Latin Extended-A, Greek and Cyrillic, after
// Unicode's simple case folding.
struct CaseRange {
    enum Kind { Shift, EvenUpper, OddUpper };
    char32_t first;
    char32_t last;
    Kind kind;
    // Where `first` folds to, for a Shift.
    char32_t foldedFirst = 0;
};

constexpr CaseRange CaseRanges[] = {
    {U'A', U'Z', CaseRange::Shift, U'a'},
    {0xB5, 0xB5, CaseRange::Shift, 0x3BC}, // micro sign to Greek mu
    {0xC0, 0xD6, CaseRange::Shift, 0xE0},
    {0xD8, 0xDE, CaseRange::Shift, 0xF8},
    {0x100, 0x12F, CaseRange::EvenUpper},
    {0x130, 0x130, CaseRange::Shift, U'i'}, // Turkish dotted I
    {0x132, 0x137, CaseRange::EvenUpper},
    {0x139, 0x148, CaseRange::OddUpper},
    {0x14A, 0x177, CaseRange::EvenUpper},
    {0x178, 0x178, CaseRange::Shift, 0xFF},
    {0x179, 0x17E, CaseRange::OddUpper},
    {0x17F, 0x17F, CaseRange::Shift, U's'}, // long s
    {0x370, 0x373, CaseRange::EvenUpper},
    {0x376, 0x377, CaseRange::EvenUpper},
    {0x37F, 0x37F, CaseRange::Shift, 0x3F3},
    {0x386, 0x386, CaseRange::Shift, 0x3AC},
    {0x388, 0x38A, CaseRange::Shift, 0x3AD},
    {0x38C, 0x38C, CaseRange::Shift, 0x3CC},
    {0x38E, 0x38F, CaseRange::Shift, 0x3CD},
    {0x391, 0x3A1, CaseRange::Shift, 0x3B1},
    {0x3A3, 0x3AB, CaseRange::Shift, 0x3C3},
    {0x3C2, 0x3C2, CaseRange::Shift, 0x3C3}, // final sigma
    {0x3CF, 0x3CF, CaseRange::Shift, 0x3D7},
    {0x3D0, 0x3D0, CaseRange::Shift, 0x3B2},
    {0x3D1, 0x3D1, CaseRange::Shift, 0x3B8},
    {0x3D5, 0x3D5, CaseRange::Shift, 0x3C6},
    {0x3D6, 0x3D6, CaseRange::Shift, 0x3C0},
    {0x3D8, 0x3EF, CaseRange::EvenUpper},
    {0x3F0, 0x3F0, CaseRange::Shift, 0x3BA},
    {0x3F1, 0x3F1, CaseRange::Shift, 0x3C1},
    {0x3F4, 0x3F4, CaseRange::Shift, 0x3B8},
    {0x3F5, 0x3F5, CaseRange::Shift, 0x3B5},
    {0x3F7, 0x3F8, CaseRange::OddUpper},
    {0x3F9, 0x3F9, CaseRange::Shift, 0x3F2},
    {0x3FA, 0x3FB, CaseRange::EvenUpper},
    {0x3FD, 0x3FF, CaseRange::Shift, 0x37B},
    {0x400, 0x40F, CaseRange::Shift, 0x450},
    {0x410, 0x42F, CaseRange::Shift, 0x430},
    {0x460, 0x481, CaseRange::EvenUpper},
    {0x48A, 0x4BF, CaseRange::EvenUpper},
    {0x4C0, 0x4C0, CaseRange::Shift, 0x4CF},
    {0x4C1, 0x4CE, CaseRange::OddUpper},
    {0x4D0, 0x52F, CaseRange::EvenUpper},
};

constexpr bool InOrderWithoutOverlap()
{
    for (std::size_t i = 0; i < std::size(CaseRanges); ++i)
        if (CaseRanges[i].first > CaseRanges[i].last || (i > 0 && CaseRanges[i - 1].last >= CaseRanges[i].first))
            return false;
    return true;
}
static_assert(InOrderWithoutOverlap(), "the case ranges are searched by halving");

char32_t FoldedCase(char32_t c)
{
    // The letters of nearly every text, without the search through the table.
    if (c < 0x80)
        return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
    if (c >= 0x410 && c <= 0x44F)
        return c < 0x430 ? c + 0x20 : c;
    const CaseRange* range = std::partition_point(std::begin(CaseRanges), std::end(CaseRanges),
                                                  [c](const CaseRange& r) { return r.last < c; });
    if (range == std::end(CaseRanges) || c < range->first)
        return c;
    switch (range->kind) {
    case CaseRange::Shift:
        return c - range->first + range->foldedFirst;
    case CaseRange::EvenUpper:
        return c % 2 == 0 ? c + 1 : c;
    case CaseRange::OddUpper:
        return c % 2 == 1 ? c + 1 : c;
    }
    return c;
}

// Characters that stand between words. A file name cannot hold the forbidden
// ones, so "AC/DC", the default stand-in "AC_DC" and "AC DC" should all read
// alike; double quotes are forbidden too, typographic or not.
bool IsSeparator(char32_t c)
{
    // Controls, the no-break space and the typographic spaces.
    if (c < 0x20 || (c >= 0x7F && c <= 0xA0) || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
        c == 0x3000)
        return true;
    if (c == 0xAB || c == 0xBB || (c >= 0x201C && c <= 0x201E))
        return true;
    return c < 0x80 && (c == U'_' || ForbiddenFileNameCharacters.find(static_cast<char>(c)) != std::string_view::npos);
}

wchar_t UnifiedCharacter(wchar_t original)
{
    // The small letters and digits of nearly every name and text, at once.
    const char32_t code = CodeOf(original);
    if ((code >= U'a' && code <= U'z') || (code >= U'0' && code <= U'9') || (code >= 0x430 && code <= 0x44F))
        return original;
    const char32_t c = FoldedCase(code);
    if (c == 0x451) // ё, often written as е
        return L'\x435';
    if ((c >= 0x2010 && c <= 0x2015) || c == 0x2212)
        return L'-';
    if ((c >= 0x2018 && c <= 0x201B) || c == U'`' || c == 0xB4)
        return L'\'';
    if (IsSeparator(c))
        return L' ';
    return static_cast<wchar_t>(c);
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// Letters and digits; anything past ASCII counts, as punctuation there is
// rare in names and already unified.
bool IsWordCharacter(wchar_t c)
{
    const char32_t code = CodeOf(c);
    return IsDigit(c) || (code >= U'a' && code <= U'z') || (code >= U'A' && code <= U'Z') || code >= 0x80;
}

bool HasWordCharacter(std::wstring_view text)
{
    return std::any_of(text.begin(), text.end(), IsWordCharacter);
}

bool IsNumber(std::wstring_view word)
{
    return std::all_of(word.begin(), word.end(), IsDigit);
}

template <typename Words>
bool IsAmong(std::wstring_view word, const Words& words)
{
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

constexpr std::wstring_view FeaturingWords[] = {L"feat", L"ft", L"featuring"};

// Words that only say which recording of a song this is. A remix, a demo or
// an acoustic take is sung with the same words, so it finds the song's text;
// an instrumental has none to show.
constexpr std::wstring_view RecordingWords[] = {
    L"remaster", L"remastered", L"live",  L"mono", L"stereo",    L"radio",    L"single",  L"album",   L"edit",
    L"version",  L"mix",        L"remix", L"demo", L"acoustic",  L"unplugged", L"extended", L"original", L"digital",
};
// The last word of "(Love Version)", "(Club Mix)", "(Someone's Remix)".
constexpr std::wstring_view RecordingEndings[] = {L"remaster", L"remastered", L"version", L"edit", L"mix", L"remix"};
constexpr std::wstring_view LivePlaces[] = {L"at", L"in", L"from"};

// Whether a last bracketed or dashed part only names the recording or who
// else sings. A word that may start a real title ("Live Forever", "Stereo
// Love", "Radio Ga Ga") is not enough on its own.
bool IsDroppableSuffix(std::wstring_view suffix)
{
    std::vector<std::wstring_view> words = WordsOf(suffix);
    if (words.empty())
        return false;
    const auto featuring =
        std::find_if(words.begin(), words.end(), [](std::wstring_view w) { return IsAmong(w, FeaturingWords); });
    if (featuring == words.begin())
        return true;
    words.erase(featuring, words.end());
    if (IsAmong(L"instrumental", words))
        return false;
    const auto isRecordingWord = [](std::wstring_view w) { return IsAmong(w, RecordingWords); };
    const auto isRecordingWordOrNumber = [&](std::wstring_view w) { return IsNumber(w) || isRecordingWord(w); };
    const bool onlyRecordingWords = std::all_of(words.begin(), words.end(), isRecordingWordOrNumber) &&
                                    std::any_of(words.begin(), words.end(), isRecordingWord);
    return onlyRecordingWords || IsAmong(words.back(), RecordingEndings) ||
           (words.size() >= 2 && words[0] == L"live" && IsAmong(words[1], LivePlaces));
}

// What stays before a cut-off part: no spaces, nor the dash that led to it.
std::wstring_view TrimmedEnd(std::wstring_view text)
{
    const std::size_t last = text.find_last_not_of(L" -");
    return text.substr(0, last == std::wstring_view::npos ? 0 : last + 1);
}

// A track number left in a file name or a title without tags. Digits and a
// single space are a track number only when zero-padded: "07 Song" is one,
// while "99 Luftballons" and "7 Seconds" are the titles themselves.
std::wstring_view WithoutTrackNumber(std::wstring_view name)
{
    std::size_t digits = 0;
    while (digits < name.size() && IsDigit(name[digits]))
        ++digits;
    if (digits == 0 || digits > 3)
        return name;
    std::wstring_view rest = name.substr(digits);
    std::size_t separator = 0;
    // A dash needs a space beside it: "3-D" and "2-4-6-8 Motorway" are titles;
    // so does a dot before a digit: "99.9F°".
    if (rest.starts_with(L" -") || rest.starts_with(L"- "))
        separator = 2;
    else if (rest.starts_with(L')') || (rest.starts_with(L'.') && !(rest.size() > 1 && IsDigit(rest[1]))))
        separator = 1;
    else if (rest.starts_with(L' ') && digits >= 2 && name[0] == L'0')
        separator = 1;
    else
        return name;
    rest.remove_prefix(separator);
    rest.remove_prefix(std::min(rest.find_first_not_of(L' '), rest.size()));
    return HasWordCharacter(rest) ? rest : name;
}

std::wstring_view WithoutBracketedSuffix(std::wstring_view name)
{
    if (name.empty() || (name.back() != L')' && name.back() != L']'))
        return name;
    int depth = 0;
    for (std::size_t at = name.size(); at-- > 0;) {
        if (name[at] == L')' || name[at] == L']') {
            ++depth;
        } else if ((name[at] == L'(' || name[at] == L'[') && --depth == 0) {
            const std::wstring_view before = TrimmedEnd(name.substr(0, at));
            const std::wstring_view inside = name.substr(at + 1, name.size() - at - 2);
            return HasWordCharacter(before) && IsDroppableSuffix(inside) ? before : name;
        }
    }
    return name;
}

// "Song ft. Someone", "Artist featuring Other": everything after is the guest.
// Without a dot "feat" is too common a word ("A Feat of Clay").
std::wstring_view WithoutFeaturing(std::wstring_view name)
{
    int depth = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if (name[at] == L'(' || name[at] == L'[')
            ++depth;
        else if ((name[at] == L')' || name[at] == L']') && depth > 0)
            --depth;
        if (depth > 0 || name[at] != L' ')
            continue;
        const std::wstring_view rest = name.substr(at + 1);
        const std::wstring_view before = TrimmedEnd(name.substr(0, at));
        for (const std::wstring_view keyword : {L"feat.", L"ft.", L"featuring "})
            if (rest.starts_with(keyword) && rest.size() > keyword.size() && HasWordCharacter(before))
                return before;
    }
    return name;
}

std::wstring_view WithoutDashedSuffix(std::wstring_view name)
{
    const std::size_t dash = name.rfind(L" - ");
    if (dash == std::wstring_view::npos)
        return name;
    const std::wstring_view before = TrimmedEnd(name.substr(0, dash));
    return HasWordCharacter(before) && IsDroppableSuffix(name.substr(dash + 3)) ? before : name;
}

// Until none applies, so that the result is settled: a tolerant name made
// tolerant again stays the same.
std::wstring_view Stripped(std::wstring_view name)
{
    for (;;) {
        const std::size_t size = name.size();
        name = WithoutDashedSuffix(WithoutFeaturing(WithoutBracketedSuffix(WithoutTrackNumber(name))));
        if (name.size() == size)
            return name;
    }
}

// The letter each of U+00C0..U+017F is written with when its accent is
// dropped; a space marks the ones of two letters and the two signs.
constexpr std::string_view LatinBaseLetters =
    "AAAAAA CEEEEIIIIDNOOOOO OUUUUY  aaaaaa ceeeeiiiidnooooo ouuuuy y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi  JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo  RrRrRrSsSsSsSsTtTtTt"
    "UuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(LatinBaseLetters.size() == 0x180 - 0xC0);

struct TwoLetterSpelling {
    char32_t letter;
    std::wstring_view letters;
};
constexpr TwoLetterSpelling TwoLetterSpellings[] = {
    {0xC6, L"AE"}, {0xDE, L"TH"}, {0xDF, L"ss"}, {0xE6, L"ae"}, {0xFE, L"th"},
    {0x132, L"IJ"}, {0x133, L"ij"}, {0x152, L"OE"}, {0x153, L"oe"},
};

} // namespace

std::wstring UnifiedText(std::wstring_view text)
{
    std::wstring unified;
    unified.reserve(text.size());
    for (const wchar_t original : text) {
        const wchar_t c = UnifiedCharacter(original);
        if (c != L' ' || (!unified.empty() && unified.back() != L' '))
            unified.push_back(c);
    }
    if (!unified.empty() && unified.back() == L' ')
        unified.pop_back();
    return unified;
}

std::vector<std::wstring_view> WordsOf(std::wstring_view text)
{
    std::vector<std::wstring_view> words;
    for (std::size_t at = 0; at < text.size();) {
        if (!IsWordCharacter(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && IsWordCharacter(text[end]))
            ++end;
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

std::wstring CaseFolded(std::wstring_view text)
{
    std::wstring folded(text.size(), L'\0');
    std::transform(text.begin(), text.end(), folded.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(FoldedCase(CodeOf(c))); });
    return folded;
}

std::wstring TolerantName(std::wstring_view name)
{
    const std::wstring unified = UnifiedText(name);
    // "???" is saved as "___": a name of nothing but separators keeps its
    // length, so that it is never empty and still finds its file.
    if (unified.empty())
        return std::wstring(name.size(), L' ');
    return std::wstring(Stripped(unified));
}

std::wstring WithoutAccents(std::wstring_view tolerantName)
{
    std::wstring plain;
    plain.reserve(tolerantName.size());
    for (const wchar_t c : tolerantName) {
        const char32_t code = CodeOf(c);
        if (code < 0xC0 || code >= 0x180) {
            plain.push_back(c);
        } else if (const char base = LatinBaseLetters[code - 0xC0]; base != ' ') {
            plain.push_back(static_cast<wchar_t>(base));
        } else {
            const auto spelling = std::find_if(std::begin(TwoLetterSpellings), std::end(TwoLetterSpellings),
                                               [code](const TwoLetterSpelling& s) { return s.letter == code; });
            if (spelling != std::end(TwoLetterSpellings))
                plain += spelling->letters;
            else
                plain.push_back(c); // × and ÷
        }
    }
    return plain;
}

TolerantTitle::TolerantTitle(std::wstring_view songTitle)
    : name(TolerantName(songTitle)), withoutAccents(WithoutAccents(name))
{
}

bool TolerantTitleMatches(std::wstring_view fileBaseName, const TolerantTitle& title)
{
    return TolerantName(fileBaseName).find(title.name) != std::wstring::npos;
}

bool AccentFreeTitleMatches(std::wstring_view fileBaseName, const TolerantTitle& title)
{
    return WithoutAccents(TolerantName(fileBaseName)).find(title.withoutAccents) != std::wstring::npos;
}
