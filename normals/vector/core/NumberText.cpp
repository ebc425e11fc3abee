#include "NumberText.h"

#include "NormalRangeError.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vector {

double roundHalfEven(double value)
{
    const double low = std::floor(value);
    const double rest = value - low;
    if (rest > 0.5)
        return low + 1.0;
    if (rest < 0.5)
        return low;
    return std::fmod(low, 2.0) == 0.0 ? low : low + 1.0;
}

std::optional<double> parseNumber(std::string_view text, char decimalSeparator)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);

    // Checked by hand so that the accepted forms do not depend on the C
    // library's locale; from_chars then converts the normalised text.
    std::string plain;
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t n = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++n;
        }
        return n;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && (text[i] == '.' || text[i] == decimalSeparator)) {
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

    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large is infinite (and so out of any range); too small is zero.
        const std::size_t e = plain.find('e');
        const bool negativeExponent = e != std::string::npos && e + 1 < plain.size() && plain[e + 1] == '-';
        const double magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
        return plain.front() == '-' ? -magnitude : magnitude;
    }
    if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::int16_t parseRoundedInt16(std::string_view text, char decimalSeparator)
{
    const std::optional<double> value = parseNumber(text, decimalSeparator);
    if (!value)
        throw NormalRangeError("\"" + std::string(text) + "\" is not a number");
    const double rounded = roundHalfEven(*value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        throw NormalRangeError("\"" + std::string(text) + "\" does not round into the range -32768 to 32767");
    return static_cast<std::int16_t>(rounded);
}

std::string formatResult(double value, char decimalSeparator)
{
    if (value == 0.0)
        return "0"; // never "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace vector
