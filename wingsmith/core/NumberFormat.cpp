// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFormat.h"

#include "common/core/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace wingsmith {

namespace {

// The decimal digits of |value| rounded to `significant` digits, halves away
// from zero, with the exponent of the first digit (d.ddd x 10^exponent).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal roundedDigits(double value, int significant)
{
    // 40 digits decide every tie of a float's exact expansion at 15 digits.
    char buf[80];
    const auto printed = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 40);
    const std::string text(buf, printed.ptr);
    const auto ePos = text.find('e');
    std::string all;
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.')
            all += text[i];
    int exponent = std::atoi(text.c_str() + ePos + 1);

    std::string digits = all.substr(0, static_cast<std::size_t>(significant));
    if (all[static_cast<std::size_t>(significant)] >= '5') {
        int i = significant - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    return {digits, exponent};
}

std::string stripTrailingZeros(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

std::string special(float value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// General format with `precision` significant digits.
std::string general(float value, int precision, char sep)
{
    if (!std::isfinite(value))
        return special(value);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0)
        return sign + "0";
    const Decimal d = roundedDigits(value, precision);
    const std::string digits = stripTrailingZeros(d.digits);
    if (d.exponent < -5 || d.exponent >= precision) {
        std::string out = sign + digits.substr(0, 1);
        if (digits.size() > 1)
            out += sep + digits.substr(1);
        return out + "E" + std::to_string(d.exponent);
    }
    if (d.exponent < 0)
        return sign + "0" + sep + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
    if (digits.size() <= intDigits)
        return sign + digits + std::string(intDigits - digits.size(), '0');
    return sign + digits.substr(0, intDigits) + sep + digits.substr(intDigits);
}

[[noreturn]] void notAFloat(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void notAnInteger(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::string_view trimmed(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string formatGeneral(float value, char sep)
{
    return general(value, 15, sep);
}

std::string formatFixed(float value, int decimals, char sep)
{
    if (!std::isfinite(value))
        return special(value);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0)
        return sign + "0" + (decimals > 0 ? sep + std::string(static_cast<std::size_t>(decimals), '0') : "");
    const Decimal d = roundedDigits(value, 7);
    if (d.exponent >= 7)
        return general(value, 7, sep);

    // Place the seven digits, zeros beyond them, then round to `decimals`.
    // Work on a digit string with the decimal point after `intDigits`.
    const int intDigits = d.exponent >= 0 ? d.exponent + 1 : 0;
    const int leadingZeros = d.exponent >= 0 ? 0 : -d.exponent - 1;
    std::string frac = std::string(static_cast<std::size_t>(leadingZeros), '0') + d.digits.substr(static_cast<std::size_t>(intDigits));
    std::string intPart = intDigits > 0 ? d.digits.substr(0, static_cast<std::size_t>(intDigits)) : "0";
    if (static_cast<int>(frac.size()) < decimals)
        frac += std::string(static_cast<std::size_t>(decimals) - frac.size(), '0');
    const bool roundUp = static_cast<int>(frac.size()) > decimals && frac[static_cast<std::size_t>(decimals)] >= '5';
    frac.resize(static_cast<std::size_t>(decimals));
    if (roundUp) {
        std::string number = intPart + frac;
        int i = static_cast<int>(number.size()) - 1;
        while (i >= 0 && number[static_cast<std::size_t>(i)] == '9')
            number[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            number.insert(number.begin(), '1');
        else
            ++number[static_cast<std::size_t>(i)];
        intPart = number.substr(0, number.size() - frac.size());
        frac = number.substr(intPart.size());
    }
    const bool allZero = intPart.find_first_not_of('0') == std::string::npos
        && frac.find_first_not_of('0') == std::string::npos;
    std::string out = (allZero ? "" : sign) + intPart;
    if (decimals > 0)
        out += sep + frac;
    return out;
}

std::string formatInteger(std::int64_t value)
{
    return std::to_string(value);
}

float parseFloat(std::string_view text, char sep)
{
    const auto plain = common::plainDecimal(text, sep, false);
    if (!plain)
        notAFloat(text);
    // Rounded once, straight to float32; a value beyond its range is refused.
    const auto value = common::plainToFloat(*plain);
    if (!value)
        notAFloat(text);
    return *value;
}

std::int32_t parseInteger(std::string_view text)
{
    const std::string_view t = trimmed(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        notAnInteger(text);
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            notAnInteger(text);
        value = value * 10 + (t[i] - '0');
        if (value > std::int64_t{1} << 32)
            notAnInteger(text);
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        notAnInteger(text);
    return static_cast<std::int32_t>(value);
}

} // namespace wingsmith
