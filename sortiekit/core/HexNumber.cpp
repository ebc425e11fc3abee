// SPDX-License-Identifier: GPL-3.0-or-later
#include "HexNumber.h"

namespace sortiekit {

namespace {

int digitOf(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace

std::optional<std::int16_t> hexFieldValue(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::int16_t{0};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::int32_t value = 0;
    for (std::size_t d = 0; d < text.size(); ++d) {
        const int digit = digitOf(text[text.size() - 1 - d]);
        if (digit == 0)
            continue; // leading zeros may be as many as they like
        if (d >= 4)
            return std::nullopt; // 16^4 alone is past 32767
        value += digit << (4 * d);
        if (value > 32767)
            return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace sortiekit
