// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueText.h"

#include "common/core/Rounding.h"

#include <charconv>
#include <cmath>

namespace ordnix {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Parses the longest decimal number at the start of `text` (sign, digits,
// fraction, exponent; no "inf", "nan" or hex). Returns the characters used.
std::size_t parseNumber(std::string_view text, double& value)
{
    std::size_t sign = 0;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        sign = 1;
    }
    const std::string_view rest = text.substr(sign);
    const bool startsNumber = !rest.empty()
        && (isDigit(rest.front()) || (rest.front() == '.' && rest.size() > 1 && isDigit(rest[1])));
    if (!startsNumber)
        return 0;
    double parsed = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), parsed, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range)
        parsed = HUGE_VAL;
    value = negative ? -parsed : parsed;
    return sign + static_cast<std::size_t>(result.ptr - rest.data());
}

} // namespace

double LeadingNumber(std::string_view text)
{
    double value = 0;
    if (parseNumber(skipBlanks(text), value) == 0)
        return 0;
    return value;
}

std::optional<std::uint8_t> ToByteValue(std::string_view text)
{
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    double value = 0;
    if (text.empty() || parseNumber(text, value) != text.size() || !std::isfinite(value))
        return std::nullopt;
    const double rounded = common::roundHalfEven(value);
    if (rounded < 0 || rounded > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(rounded);
}

bool IsPlainByteText(std::string_view text)
{
    if (text.empty() || text.size() > 3)
        return false;
    for (char c : text)
        if (!isDigit(c))
            return false;
    if (text.size() > 1 && text.front() == '0')
        return false;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value <= 255;
}

std::string WholeNumberText(double value)
{
    if (value == 0)
        return "0"; // also for -0
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

} // namespace ordnix
