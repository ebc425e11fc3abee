#include "SingleText.h"

#include <charconv>
#include <cmath>

namespace facetnorm {

std::optional<float> parseSingle(std::string_view text, char decimalSeparator)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);

    // Checked by hand so that what is accepted does not depend on the C
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

    float value = 0.0f;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // An underflow is zero, an overflow is no single-precision number.
        double wide = 0.0;
        const auto wideResult = std::from_chars(plain.data(), plain.data() + plain.size(), wide);
        const bool tiny = wideResult.ec == std::errc() ? std::fabs(wide) < 1.0
                                                       : plain.find("e-") != std::string::npos;
        if (tiny)
            return plain.front() == '-' ? -0.0f : 0.0f;
        return std::nullopt;
    }
    if (ec != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string formatSingle(float value, char decimalSeparator)
{
    if (value == 0.0f)
        return "0"; // never "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
        else if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace facetnorm
