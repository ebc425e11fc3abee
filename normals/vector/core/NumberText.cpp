// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "NormalRangeError.h"

#include "common/core/DecimalText.h"
#include "common/core/Rounding.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vector {

std::optional<double> parseNumber(std::string_view text, char decimalSeparator)
{
    const auto plain = common::plainDecimal(text, decimalSeparator, true);
    if (!plain)
        return std::nullopt;
    // Too large is infinite (and so out of any range); too small is zero.
    return common::plainToDouble(*plain);
}

std::int16_t parseRoundedInt16(std::string_view text, char decimalSeparator)
{
    const std::optional<double> value = parseNumber(text, decimalSeparator);
    if (!value)
        throw NormalRangeError("\"" + std::string(text) + "\" is not a number");
    const double rounded = common::roundHalfEven(*value);
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
    return common::localizedNumber(std::string(buffer, ec == std::errc() ? end : buffer), decimalSeparator);
}

} // namespace vector
