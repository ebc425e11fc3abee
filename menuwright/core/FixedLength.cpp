// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedLength.h"

#include "menuwright/menufile/CoordinateText.h"
#include "menuwright/menufile/Latin1Text.h"

#include <cmath>

namespace menuwright {

std::optional<int> fixedLengthFromText(std::string_view text)
{
    const double value = std::trunc(leadingNumber(text));
    if (!(value >= 1.0 && value <= 254.0))
        return std::nullopt;
    return static_cast<int>(value);
}

std::string padFixedLength(std::string_view caption, int length)
{
    const int count = static_cast<int>(characterCount(caption));
    const int difference = length - count;
    int blanks = difference >= 0 ? difference / 2 : 0;
    const std::string padded = std::string(static_cast<std::size_t>(blanks), ' ') + std::string(caption)
        + std::string(static_cast<std::size_t>(blanks + 1), ' ');
    return firstCharacters(padded, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace menuwright
