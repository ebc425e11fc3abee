// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoordinateText.h"

#include "common/core/Rounding.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace menuwright {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only the plain form digits[.digits] is taken, so "12abc" is 12.
    std::string number;
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (number.front() == '.')
        number.insert(number.begin(), '0');

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = HUGE_VAL;
    return negative ? -value : value;
}

double wholeCoordinate(std::string_view text)
{
    return common::roundHalfEven(leadingNumber(text));
}

std::optional<std::uint16_t> coordinateValue(std::string_view text)
{
    const double value = wholeCoordinate(text);
    if (!(value >= 0.0 && value <= 65535.0))
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::pair<std::uint8_t, std::uint8_t> encodeCoordinate(std::string_view text)
{
    const auto value = coordinateValue(text);
    if (!value)
        throw std::out_of_range("coordinate outside 0-65535: " + std::string(text));
    return {static_cast<std::uint8_t>(*value % 256), static_cast<std::uint8_t>(*value / 256)};
}

} // namespace menuwright
