#include "find/TextIndex.h"

#include "editing/TextEncoding.h"
#include "lookup/TolerantNames.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace {

constexpr std::wstring_view TextExtension = L".txt";
// The query words one mask holds; more are not looked for.
constexpr std::size_t MostQueryWords = 32;

std::wstring WideOf(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// The form of a text whose words the find compares.
std::wstring FindForm(std::wstring_view text)
{
    std::wstring unified = UnifiedText(text);
    // Most texts have no Latin letter with an accent to drop.
    const bool accents = std::any_of(unified.begin(), unified.end(), [](wchar_t c) { return c >= 0xC0 && c < 0x180; });
    return accents ? WithoutAccents(unified) : unified;
}

// A control character that a text does not hold: not a line break, a tab,
// a page break, nor the end-of-file mark that old editors left.
bool IsStrayControl(char16_t c)
{
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\v' && c != u'\f' && c != u'\r' && c != 0x1A;
}

// A binary file read as code page 1251 has NULs and controls aplenty.
bool LooksLikeText(std::u16string_view text)
{
    if (text.find(u'\0') != std::u16string_view::npos)
        return false;
    const auto controls = std::count_if(text.begin(), text.end(), IsStrayControl);
    return static_cast<std::size_t>(controls) * 32 <= text.size();
}

bool BeginsWith(std::wstring_view word, std::wstring_view prefix)
{
    return word.substr(0, prefix.size()) == prefix;
}

// Whether `key` is `folder` or a path below it; every key is below "".
bool IsAtOrBelow(std::wstring_view key, std::wstring_view folder)
{
    return folder.empty() || key == folder || (BeginsWith(key, folder) && key[folder.size()] == L'\\');
}

// The path of an entry of the paths' map or of the bad files' set.
const std::wstring& Key(const std::wstring& key)
{
    return key;
}

template <typename Value>
const std::wstring& Key(const std::pair<const std::wstring, Value>& entry)
{
    return entry.first;
}

template <typename Keys, typename Erase>
void EraseAtOrBelow(Keys& keys, const std::wstring& folder, Erase erase)
{
    // Names that merely begin like the folder ("Artist 2" after "Artist")
    // lie among those below it.
    for (auto at = keys.lower_bound(folder); at != keys.end() && BeginsWith(Key(*at), folder);) {
        if (IsAtOrBelow(Key(*at), folder))
            at = erase(at);
        else
            ++at;
    }
}

} // namespace

TextName TextNameOf(std::wstring_view path)
{
    const std::size_t first = path.find(L'\\');
    const std::size_t last = path.rfind(L'\\');
    std::wstring_view title = last == std::wstring_view::npos ? path : path.substr(last + 1);
    if (title.size() >= TextExtension.size() &&
        CaseFolded(title.substr(title.size() - TextExtension.size())) == TextExtension)
        title.remove_suffix(TextExtension.size());
    return {first == std::wstring_view::npos ? std::wstring_view() : path.substr(0, first), title};
}

std::vector<std::wstring> FindWords(std::wstring_view text)
{
    const std::wstring form = FindForm(text);
    const std::vector<std::wstring_view> words = WordsOf(form);
    return {words.begin(), words.end()};
}

FindQuery::FindQuery(std::wstring_view typed)
{
    for (std::wstring& word : FindWords(typed))
        if (std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(std::move(word));
}

std::optional<PreparedText> PrepareText(std::wstring path, std::string bytes)
{
    const DecodedText decoded = DecodeText(bytes);
    if (!LooksLikeText(decoded.text))
        return std::nullopt;
    return PreparedText{std::move(path), std::move(bytes), FindForm(WideOf(decoded.text))};
}

std::uint32_t TextIndex::WordId(std::wstring_view word)
{
    if (const auto found = wordIds_.find(word); found != wordIds_.end())
        return found->second;
    const auto id = static_cast<std::uint32_t>(words_.size());
    words_.push_back(&wordIds_.emplace(std::wstring(word), id).first->first);
    return id;
}

std::vector<std::uint32_t> TextIndex::WordIds(const std::vector<std::wstring_view>& words)
{
    std::vector<std::uint32_t> ids;
    ids.reserve(words.size());
    for (const std::wstring_view word : words)
        ids.push_back(WordId(word));
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void TextIndex::Put(PreparedText text)
{
    std::wstring key = CaseFolded(text.path);
    bad_.erase(key);
    const auto [place, added] = byPath_.try_emplace(std::move(key), static_cast<TextId>(entries_.size()));
    if (added)
        entries_.emplace_back();
    Entry& entry = entries_[place->second];

    const TextName name = TextNameOf(text.path);
    const std::wstring nameForm = FindForm(name.artist) + L' ' + FindForm(name.title);
    entry.nameWords = WordIds(WordsOf(nameForm));
    std::string packed;
    std::uint32_t last = 0;
    for (const std::uint32_t id : WordIds(WordsOf(text.form))) {
        std::uint32_t step = id - last;
        for (; step >= 0x80; step >>= 7)
            packed.push_back(static_cast<char>((step & 0x7F) | 0x80));
        packed.push_back(static_cast<char>(step));
        last = id;
    }
    packed.shrink_to_fit();
    entry.textWords = std::move(packed);
    entry.path = std::move(text.path);
    entry.bytes = std::move(text.bytes);
    ordered_ = false;
}

void TextIndex::Erase(TextId text)
{
    entries_[text] = Entry{};
}

void TextIndex::MarkBad(std::wstring_view path)
{
    std::wstring key = CaseFolded(path);
    if (const auto found = byPath_.find(key); found != byPath_.end()) {
        Erase(found->second);
        byPath_.erase(found);
    }
    bad_.insert(std::move(key));
}

void TextIndex::Remove(std::wstring_view path)
{
    const std::wstring folder = CaseFolded(path);
    EraseAtOrBelow(byPath_, folder, [this](auto at) {
        Erase(at->second);
        return byPath_.erase(at);
    });
    EraseAtOrBelow(bad_, folder, [this](auto at) { return bad_.erase(at); });
}

std::optional<TextIndex::TextId> TextIndex::TextAt(std::wstring_view path) const
{
    const auto found = byPath_.find(CaseFolded(path));
    return found == byPath_.end() ? std::nullopt : std::optional<TextId>(found->second);
}

void TextIndex::SortWords()
{
    const std::size_t sorted = sortedWords_.size();
    if (sorted == words_.size())
        return;
    const auto byWord = [this](std::uint32_t a, std::uint32_t b) { return *words_[a] < *words_[b]; };
    for (std::size_t id = sorted; id < words_.size(); ++id)
        sortedWords_.push_back(static_cast<std::uint32_t>(id));
    const auto middle = sortedWords_.begin() + static_cast<std::ptrdiff_t>(sorted);
    std::sort(middle, sortedWords_.end(), byWord);
    std::inplace_merge(sortedWords_.begin(), middle, sortedWords_.end(), byWord);
}

void TextIndex::OrderTexts()
{
    if (ordered_)
        return;
    std::vector<std::wstring> names(entries_.size());
    std::vector<TextId> order(entries_.size());
    for (TextId id = 0; id < entries_.size(); ++id) {
        names[id] = CaseFolded(NameOf(id));
        order[id] = id;
    }
    std::stable_sort(order.begin(), order.end(), [&names](TextId a, TextId b) { return names[a] < names[b]; });
    rank_.assign(entries_.size(), 0);
    for (std::uint32_t place = 0; place < order.size(); ++place)
        rank_[order[place]] = place;
    ordered_ = true;
}

std::vector<TextIndex::Hit> TextIndex::Find(const FindQuery& query)
{
    const std::size_t count = std::min(query.words.size(), MostQueryWords);
    if (count == 0)
        return {};
    SortWords();
    // Per word of the vocabulary: the query words it begins with (low half)
    // and those it is (high half).
    std::vector<std::uint64_t> marks(words_.size(), 0);
    for (std::size_t index = 0; index < count; ++index) {
        const std::wstring& wanted = query.words[index];
        auto at = std::lower_bound(sortedWords_.begin(), sortedWords_.end(), wanted,
                                   [this](std::uint32_t id, const std::wstring& word) { return *words_[id] < word; });
        if (at == sortedWords_.end() || !BeginsWith(*words_[*at], wanted))
            return {};
        for (; at != sortedWords_.end() && BeginsWith(*words_[*at], wanted); ++at)
            marks[*at] |= (std::uint64_t{1} << index) | (*words_[*at] == wanted ? std::uint64_t{1} << (index + 32) : 0);
    }
    const std::uint64_t all = count == MostQueryWords ? 0xFFFFFFFFu : (std::uint64_t{1} << count) - 1;

    struct Scored {
        Hit hit;
        int whole;
    };
    std::vector<Scored> scored;
    for (TextId id = 0; id < entries_.size(); ++id) {
        const Entry& entry = entries_[id];
        std::uint64_t found = 0;
        for (const std::uint32_t word : entry.nameWords)
            found |= marks[word];
        const bool byName = (found & all) == all;
        if (!byName)
            for (std::size_t at = 0, word = 0; at < entry.textWords.size();) {
                std::uint32_t step = 0;
                for (int shift = 0;; shift += 7) {
                    const auto part = static_cast<unsigned char>(entry.textWords[at++]);
                    step |= static_cast<std::uint32_t>(part & 0x7F) << shift;
                    if (part < 0x80)
                        break;
                }
                word += step;
                found |= marks[word];
            }
        if ((found & all) == all)
            scored.push_back({{id, byName}, std::popcount(found >> 32)});
    }
    OrderTexts();
    std::sort(scored.begin(), scored.end(), [this](const Scored& a, const Scored& b) {
        if (a.hit.byName != b.hit.byName)
            return a.hit.byName;
        if (a.whole != b.whole)
            return a.whole > b.whole;
        return rank_[a.hit.text] < rank_[b.hit.text];
    });
    std::vector<Hit> hits;
    hits.reserve(scored.size());
    std::transform(scored.begin(), scored.end(), std::back_inserter(hits), [](const Scored& s) { return s.hit; });
    return hits;
}

std::wstring TextIndex::NameOf(TextId text) const
{
    if (text >= entries_.size())
        return {};
    const TextName name = TextNameOf(entries_[text].path);
    return name.artist.empty() ? std::wstring(name.title)
                               : std::wstring(name.artist).append(L" - ").append(name.title);
}

std::wstring TextIndex::PathOf(TextId text) const
{
    return text < entries_.size() ? entries_[text].path : std::wstring();
}

std::wstring TextIndex::MatchingLine(TextId text, const FindQuery& query) const
{
    if (text >= entries_.size() || query.words.empty())
        return {};
    const std::wstring whole = WideOf(DecodeText(entries_[text].bytes).text);
    std::wstring_view best;
    std::size_t bestCount = 0;
    for (std::size_t at = 0; at < whole.size();) {
        const std::size_t end = std::min(whole.find_first_of(L"\r\n", at), whole.size());
        const std::wstring_view line = std::wstring_view(whole).substr(at, end - at);
        at = end + 1;
        const std::vector<std::wstring> words = FindWords(line);
        const auto count = static_cast<std::size_t>(
            std::count_if(query.words.begin(), query.words.end(), [&words](const std::wstring& wanted) {
                return std::any_of(words.begin(), words.end(),
                                   [&wanted](const std::wstring& word) { return BeginsWith(word, wanted); });
            }));
        if (count > bestCount) {
            best = line;
            bestCount = count;
        }
    }
    const std::size_t first = best.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos)
        return {};
    return std::wstring(best.substr(first, best.find_last_not_of(L" \t") - first + 1));
}
