// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetRounding.h"

#include <cctype>
#include <charconv>
#include <optional>
#include <string>

namespace wingsmith {

namespace {

// A decimal as sign, significant digits (no leading or trailing zeros; none
// for zero) and exponent: the value is 0.digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

void trimTrailingZeros(std::string& digits)
{
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

std::optional<Decimal> parseDecimal(std::string_view text)
{
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        d.negative = text[i++] == '-';
    std::string digits;
    long pointAt = -1;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            anyDigit = true;
        } else if (c == '.' && pointAt < 0) {
            pointAt = static_cast<long>(digits.size());
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && text[i] == '+')
            ++i;
        const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), exponent);
        if (ec != std::errc() || end == text.data() + i)
            return std::nullopt;
        i = static_cast<std::size_t>(end - text.data());
    }
    if (i != text.size())
        return std::nullopt;
    if (pointAt < 0)
        pointAt = static_cast<long>(digits.size());
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return d; // zero, with its sign
    d.digits = digits.substr(first);
    d.exponent = pointAt - static_cast<long>(first) + exponent;
    trimTrailingZeros(d.digits);
    return d;
}

// `d` rounded to `count` significant digits, the dropped part rounding up
// when above one half, down when below, and `upAtHalf` deciding a half.
Decimal rounded(const Decimal& d, std::size_t count, bool upAtHalf)
{
    Decimal r = d;
    r.digits = d.digits.substr(0, count);
    const std::string_view dropped = std::string_view(d.digits).substr(count);
    const bool half = dropped.front() == '5' && dropped.find_first_not_of('0', 1) == std::string_view::npos;
    if (dropped.front() >= '5' && (!half || upAtHalf)) {
        std::size_t n = r.digits.size();
        while (n > 0 && r.digits[n - 1] == '9')
            r.digits[--n] = '0';
        if (n == 0) {
            r.digits.insert(r.digits.begin(), '1');
            ++r.exponent;
        } else {
            ++r.digits[n - 1];
        }
    }
    trimTrailingZeros(r.digits);
    return r;
}

constexpr std::size_t kLongValueDigits = 6;
constexpr std::size_t kKeptDigits = 3;

} // namespace

bool looksSpreadsheetRounded(std::string_view stored, std::string_view imported)
{
    const auto s = parseDecimal(stored);
    const auto i = parseDecimal(imported);
    if (!s || !i)
        return false;
    if (s->digits.empty() || i->digits.empty())
        return s->digits.empty() && i->digits.empty() && s->negative != i->negative;
    if (s->negative != i->negative || s->digits.size() < kLongValueDigits)
        return false;
    for (std::size_t count = kKeptDigits; count < s->digits.size(); ++count)
        for (bool upAtHalf : {true, false}) {
            const Decimal r = rounded(*s, count, upAtHalf);
            if (r.digits == i->digits && r.exponent == i->exponent)
                return true;
        }
    return false;
}

} // namespace wingsmith
