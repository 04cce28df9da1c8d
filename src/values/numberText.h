#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text forms of numbers, independent of the locale: "." is always the decimal point.

// A whole text as a 32-bit integer: leading spaces, then a signed decimal, or an unsigned hex
// with "$", "x" or "0x" (up to eight digits, two's complement). Nothing may follow.
bool parseLogoInteger(std::string_view text, int32_t& value);

// A whole text as an extended real: leading spaces, sign, digits with an optional point (not all
// missing), an optional exponent whose digits may be empty, trailing spaces. Overflow fails.
bool parseLogoReal(std::string_view text, long double& value);

// Six significant digits; scientific when the rounded value needs more than six digits before
// the point or is below 0.0001, written "1E6" / "1E-5"; trailing zeros dropped.
std::string formatLogoReal(long double value);

// Half away from zero, computed in double precision; false outside the 32-bit range.
bool roundToInteger32(long double value, int32_t& result);
