// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleText.h"

#include "common/core/DecimalText.h"

#include <charconv>
#include <cmath>

namespace facetnorm {

std::optional<float> parseSingle(std::string_view text, char decimalSeparator)
{
    const auto plain = common::plainDecimal(text, decimalSeparator, true);
    if (!plain)
        return std::nullopt;
    return common::plainToFloat(*plain);
}

std::string formatSingle(float value, char decimalSeparator)
{
    if (value == 0.0f)
        return "0"; // never "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    return common::localizedNumber(std::string(buffer, ec == std::errc() ? end : buffer), decimalSeparator);
}

} // namespace facetnorm
