#pragma once

#include <cstddef>
#include <vector>

// How the characters of a followed text look: the lines already sung, the
// line being sung and its word. The text area draws these over its text, so
// a line change costs a repaint of the rows that changed and nothing else.
enum class TextLook { Plain, Sung, Current, CurrentWord };

struct LookedTextRange {
    std::size_t start;
    std::size_t end;
    TextLook look;

    bool operator==(const LookedTextRange&) const = default;
};

struct TextSpan {
    std::size_t start;
    std::size_t end;

    bool operator==(const TextSpan&) const = default;
};

// The looks of a whole text: ranges in order that neither overlap nor touch
// with the same look. Characters in no range are plain.
class TextLooks {
public:
    // Gives [start, end) its look over whatever it had. Returns the
    // characters whose look changed, as one span (empty when none did).
    TextSpan Apply(const LookedTextRange& range);
    void Clear() { ranges_.clear(); }
    bool Empty() const { return ranges_.empty(); }
    TextLook At(std::size_t index) const;
    // The ranges that reach into [start, end), in order.
    std::vector<LookedTextRange> Within(std::size_t start, std::size_t end) const;
    const std::vector<LookedTextRange>& Ranges() const { return ranges_; }

private:
    // The first range that ends after `index`.
    std::vector<LookedTextRange>::const_iterator FirstEndingAfter(std::size_t index) const;

    std::vector<LookedTextRange> ranges_;
};
