#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The find's index of the texts folder: every text's artist, title and words,
// and the query that looks through them as the user types. Words are read as
// the tolerant title rules read names: letter case, "ё" and "е", dashes,
// quotes and the characters a file name cannot hold make no difference, nor
// do accents. Paths are below the texts folder ("Artist\Album\Title.txt").
// Plain functions of text: the reading thread and the window lock it.

// A text's artist and title as its path gives them: the first folder, and the
// file's name without ".txt". A text right in the texts folder has no artist.
struct TextName {
    std::wstring_view artist;
    std::wstring_view title;
};
TextName TextNameOf(std::wstring_view path);

// The words of `text` as the find compares them, in order.
std::vector<std::wstring> FindWords(std::wstring_view text);

// What the user typed, read once: its words, in order, each once.
struct FindQuery {
    explicit FindQuery(std::wstring_view typed);
    std::vector<std::wstring> words;
};

// A file made ready for the index, away from it (on the reading thread).
struct PreparedText {
    std::wstring path;
    std::string bytes;
    // The text as the find reads its words.
    std::wstring form;
};

// Nothing when the bytes, decoded as the program decodes a song's text, are
// no text: a NUL character, or more than one control character in 32.
std::optional<PreparedText> PrepareText(std::wstring path, std::string bytes);

class TextIndex {
public:
    // Stays the same for a path while the index lives, so that a result in
    // a list still names its text after the index changed.
    using TextId = std::uint32_t;
    struct Hit {
        TextId text;
        // Every word of the query is in the artist or the title.
        bool byName;
    };

    // Adds the text, or puts it in the place of the text or bad file at the
    // same path (letter case aside).
    void Put(PreparedText text);
    // A file that is no text (unreadable, a folder, too large, binary):
    // counted, and any text at its path taken out.
    void MarkBad(std::wstring_view path);
    // Takes out the text or bad file at `path` and everything below it; an
    // empty path takes out everything.
    void Remove(std::wstring_view path);

    std::size_t TextCount() const { return byPath_.size(); }
    std::size_t BadCount() const { return bad_.size(); }
    // The text at `path`, if one is there.
    std::optional<TextId> TextAt(std::wstring_view path) const;

    // The texts in which every word of the query begins a word of the
    // artist, the title or the text, in any order. Best first: those found
    // by their name alone, then those found in their words; in each, the
    // more query words that are whole words there, the better; then by
    // artist and title.
    std::vector<Hit> Find(const FindQuery& query);

    // "Artist - Title", or the title alone; its path below the texts folder.
    // A text taken out has neither.
    std::wstring NameOf(TextId text) const;
    std::wstring PathOf(TextId text) const;
    // The first of the text's lines that holds the most words of the query,
    // spaces trimmed; empty when none holds any.
    std::wstring MatchingLine(TextId text, const FindQuery& query) const;

private:
    struct Entry {
        // Empty once the text is taken out; the id is never given again.
        std::wstring path;
        std::string bytes;
        std::vector<std::uint32_t> nameWords;
        // The text's word ids in order, each as its distance from the one
        // before in seven-bit groups, low first: most take a byte.
        std::string textWords;
    };
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view word) const { return std::hash<std::wstring_view>{}(word); }
    };

    std::uint32_t WordId(std::wstring_view word);
    std::vector<std::uint32_t> WordIds(const std::vector<std::wstring_view>& words);
    void Erase(TextId text);
    // The vocabulary in order and the texts' order by name, brought up to date.
    void SortWords();
    void OrderTexts();

    std::vector<Entry> entries_;
    // Paths with letter case folded.
    std::map<std::wstring, TextId> byPath_;
    std::set<std::wstring> bad_;
    std::unordered_map<std::wstring, std::uint32_t, WordHash, std::equal_to<>> wordIds_;
    // By id, the keys of wordIds_, which stay where they are.
    std::vector<const std::wstring*> words_;
    // Word ids in the order of their words; the ids past its size are new.
    std::vector<std::uint32_t> sortedWords_;
    // Each text's place in the order by name.
    std::vector<std::uint32_t> rank_;
    bool ordered_ = false;
};
