#pragma once

#include <string_view>

// The number rules of a spin field, apart from its window.

// `value` brought into minimum..maximum; a range whose ends are equal
// bounds nothing.
int ClampSpinValue(long long value, int minimum, int maximum);

// What a spin field's text reads as: an optional sign and decimal digits,
// clamped; anything else (empty, a fraction, letters, too many digits) reads
// as the minimum.
int SpinValueOf(std::string_view text, int minimum, int maximum);

// Whether typing `key` may change the text: digits, signs, the decimal
// separator, and control keys other than Enter.
bool SpinAcceptsKey(char key, char decimalSeparator);
