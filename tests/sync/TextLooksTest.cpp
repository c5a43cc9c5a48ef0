#include "sync/TextLooks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr char LookLetters[] = ".scw";

// Each character's look as a letter: '.' plain, 's' sung, 'c' current, 'w' its word.
std::string Letters(const TextLooks& looks, std::size_t length)
{
    std::string letters;
    for (std::size_t at = 0; at < length; ++at)
        letters += LookLetters[static_cast<int>(looks.At(at))];
    return letters;
}

// The ranges are in order, apart, never plain, and neighbours differ.
void ExpectWellFormed(const TextLooks& looks)
{
    const auto& ranges = looks.Ranges();
    for (std::size_t index = 0; index < ranges.size(); ++index) {
        EXPECT_LT(ranges[index].start, ranges[index].end);
        EXPECT_NE(ranges[index].look, TextLook::Plain);
        if (index > 0) {
            EXPECT_LE(ranges[index - 1].end, ranges[index].start);
            if (ranges[index - 1].end == ranges[index].start) {
                EXPECT_NE(ranges[index - 1].look, ranges[index].look);
            }
        }
    }
}

} // namespace

// A followed song: lines sung one by one, a word, a jump back, the end.
TEST(TextLooksTest, FollowsASong)
{
    struct Step {
        LookedTextRange range;
        std::string letters;
        TextSpan changed;
    };
    // Lines of the text: [0, 5) [6, 11) [12, 17) [18, 23).
    const Step steps[] = {
        {{0, 5, TextLook::Current}, "ccccc..................", {0, 5}},
        {{0, 6, TextLook::Sung}, "ssssss.................", {0, 6}},
        {{6, 11, TextLook::Current}, "ssssssccccc............", {6, 11}},
        {{8, 10, TextLook::CurrentWord}, "ssssssccwwc............", {8, 10}},
        {{6, 11, TextLook::Current}, "ssssssccccc............", {8, 10}},
        {{6, 11, TextLook::Current}, "ssssssccccc............", {6, 6}},
        {{6, 18, TextLook::Sung}, "ssssssssssssssssss.....", {6, 18}},
        {{18, 23, TextLook::Current}, "ssssssssssssssssssccccc", {18, 23}},
        // Back to the first line: everything after it plain again.
        {{5, 23, TextLook::Plain}, "sssss..................", {5, 23}},
        {{0, 5, TextLook::Current}, "ccccc..................", {0, 5}},
        {{3, 3, TextLook::Sung}, "ccccc..................", {3, 3}},
    };
    TextLooks looks;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.letters);
        EXPECT_EQ(looks.Apply(step.range), step.changed);
        EXPECT_EQ(Letters(looks, 23), step.letters);
        ExpectWellFormed(looks);
    }
}

// Any order of any ranges against a character-by-character model: the looks
// and the span said to have changed are exactly the model's.
TEST(TextLooksTest, AgreesWithACharacterModel)
{
    constexpr std::size_t Length = 40;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> place(0, Length);
    std::uniform_int_distribution<int> look(0, 3);
    TextLooks looks;
    std::string model(Length, '.');
    for (int step = 0; step < 5000; ++step) {
        std::size_t start = place(random);
        std::size_t end = place(random);
        if (start > end)
            std::swap(start, end);
        const auto chosen = static_cast<TextLook>(look(random));
        std::string next = model;
        for (std::size_t at = start; at < end; ++at)
            next[at] = LookLetters[static_cast<int>(chosen)];
        std::size_t first = 0;
        while (first < Length && next[first] == model[first])
            ++first;
        const TextSpan changed = looks.Apply({start, end, chosen});
        if (first == Length) {
            EXPECT_EQ(changed.start, changed.end);
        } else {
            std::size_t last = Length;
            while (next[last - 1] == model[last - 1])
                --last;
            EXPECT_EQ(changed, (TextSpan{first, last})) << step;
        }
        model = next;
        ASSERT_EQ(Letters(looks, Length), model) << step;
        ExpectWellFormed(looks);
    }
}
