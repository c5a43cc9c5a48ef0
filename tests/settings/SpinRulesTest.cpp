#include "settings/SpinRules.h"

#include <gtest/gtest.h>

namespace {

TEST(SpinRulesTest, ATextReadsAsItsNumberClampedAndAnythingElseAsTheMinimum)
{
    struct Case {
        const char* text;
        int minimum, maximum, value;
    };
    const Case cases[] = {
        {"42", 1, 99, 42},   {"0", 1, 99, 1},       {"100", 1, 99, 99},  {"+7", 1, 99, 7},
        {"-5", 1, 99, 1},    {"", 1, 99, 1},        {"1,5", 1, 99, 1},   {"1.5", 1, 99, 1},
        {"x", 5, 50, 5},     {" 7", 1, 99, 1},      {"7 ", 1, 99, 1},    {"+", 1, 99, 1},
        {"99999999999999999999", 1, 800, 1}, {"5000", 1, 800, 800},
        // Equal ends bound nothing.
        {"1234", 0, 0, 1234}, {"-3", 0, 0, -3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpinValueOf(c.text, c.minimum, c.maximum), c.value) << '"' << c.text << '"';
}

TEST(SpinRulesTest, TypingTakesDigitsSignsTheSeparatorAndControlKeysButEnter)
{
    for (const char key : {'0', '9', '+', '-', ',', '\b', '\x16', '\x03'})
        EXPECT_TRUE(SpinAcceptsKey(key, ',')) << int{key};
    for (const char key : {'.', 'a', ' ', '\r', '\xC0', 'e'})
        EXPECT_FALSE(SpinAcceptsKey(key, ',')) << int{key};
    EXPECT_TRUE(SpinAcceptsKey('.', '.'));
}

} // namespace
