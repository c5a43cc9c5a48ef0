#include "settings/SpinRules.h"

#include <algorithm>
#include <charconv>
#include <climits>

int ClampSpinValue(long long value, int minimum, int maximum)
{
    if (minimum == maximum)
        return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    return static_cast<int>(std::clamp<long long>(value, minimum, std::max(minimum, maximum)));
}

int SpinValueOf(std::string_view text, int minimum, int maximum)
{
    if (text.starts_with('+'))
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return minimum;
    return ClampSpinValue(value, minimum, maximum);
}

bool SpinAcceptsKey(char key, char decimalSeparator)
{
    const auto code = static_cast<unsigned char>(key);
    if (code < 0x20)
        return key != '\r';
    return (key >= '0' && key <= '9') || key == '+' || key == '-' || key == decimalSeparator;
}
