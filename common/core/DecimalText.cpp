// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecimalText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool negativeExponent(const std::string& plain)
{
    const auto e = plain.find('e');
    return e != std::string::npos && e + 1 < plain.size() && plain[e + 1] == '-';
}

} // namespace

std::optional<std::string> plainDecimal(std::string_view text, char separator, bool alsoPoint)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    std::string plain;
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t n = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++n)
            plain += text[i];
        return n;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && (text[i] == separator || (alsoPoint && text[i] == '.'))) {
        plain += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return plain;
}

std::optional<float> plainToFloat(const std::string& plain)
{
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Decided on the exact value: "0.0000...1e-30" is tiny, "1e-2" is not.
        double wide = 0.0;
        const auto widened = std::from_chars(plain.data(), plain.data() + plain.size(), wide);
        const bool tiny = widened.ec == std::errc() ? std::fabs(wide) < 1.0 : negativeExponent(plain);
        if (tiny)
            return plain.front() == '-' ? -0.0f : 0.0f;
        return std::nullopt;
    }
    if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

double plainToDouble(const std::string& plain)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const double magnitude = negativeExponent(plain) ? 0.0 : std::numeric_limits<double>::infinity();
        return plain.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

std::string localizedNumber(std::string text, char separator)
{
    for (char& c : text) {
        if (c == '.')
            c = separator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace common
