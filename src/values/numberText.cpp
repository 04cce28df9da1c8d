#include "values/numberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c)
{
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

size_t skipSpaces(std::string_view text, size_t at)
{
    while (at < text.size() && text[at] == ' ') ++at;
    return at;
}

bool parseHex(std::string_view digits, int32_t& value)
{
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t accumulated = 0;
    for (char c : digits) {
        int digit = hexDigit(c);
        if (digit < 0) return false;
        accumulated = accumulated * 16 + static_cast<uint32_t>(digit);
    }
    value = static_cast<int32_t>(accumulated);
    return true;
}

bool parseDecimal(std::string_view text, int32_t& value)
{
    bool negative = false;
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at == text.size()) return false;
    int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (!isDigit(text[at])) return false;
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > 2147483648LL) return false;
    }
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

}  // namespace

bool parseLogoInteger(std::string_view text, int32_t& value)
{
    text.remove_prefix(skipSpaces(text, 0));
    if (text.empty()) return false;
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return parseHex(text.substr(2), value);
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') return parseHex(text.substr(1), value);
    return parseDecimal(text, value);
}

bool parseLogoReal(std::string_view text, long double& value)
{
    size_t at = skipSpaces(text, 0);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const size_t wholeStart = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    std::string_view whole = text.substr(wholeStart, at - wholeStart);
    bool point = false;
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        point = true;
        const size_t fractionStart = ++at;
        while (at < text.size() && isDigit(text[at])) ++at;
        fraction = text.substr(fractionStart, at - fractionStart);
    }
    if (whole.empty() && !point && fraction.empty()) return false;
    long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) negativeExponent = text[at++] == '-';
        while (at < text.size() && isDigit(text[at]) && exponent < 500) exponent = exponent * 10 + (text[at++] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    if (skipSpaces(text, at) != text.size()) return false;

    std::string canonical;
    canonical.reserve(whole.size() + fraction.size() + 16);
    canonical.append(whole.empty() ? std::string_view("0") : whole);
    canonical.push_back('.');
    canonical.append(fraction.empty() ? std::string_view("0") : fraction);
    canonical.push_back('e');
    canonical.append(std::to_string(exponent));
    long double parsed = 0;
    auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), parsed);
    if (error == std::errc::result_out_of_range) {
        // Below the smallest extended value the number is zero; above the largest it is no number.
        if (exponent >= 0) return false;
        parsed = 0;
    } else if (error != std::errc() || end != canonical.data() + canonical.size()) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

std::string formatLogoReal(long double value)
{
    if (value == 0) return "0";  // also for -0
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    const size_t e = text.find('e');
    if (e == std::string::npos) return text;
    // "1e+06" -> "1E6", "1e-05" -> "1E-5"
    std::string exponent = text.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
    const size_t firstSignificant = exponent.find_first_not_of('0');
    exponent = firstSignificant == std::string::npos ? "0" : exponent.substr(firstSignificant);
    return text.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

bool roundToInteger32(long double value, int32_t& result)
{
    const double x = static_cast<double>(value);
    const double rounded = x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return false;
    result = static_cast<int32_t>(rounded);
    return true;
}
