// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vector {


// A typed number: optional spaces, sign, digits with '.' or the system's
// decimal separator, optional exponent. Nothing else is a number.
std::optional<double> parseNumber(std::string_view text, char decimalSeparator);

// A typed number rounded (halves to even) to a signed 16-bit integer.
// Throws NormalRangeError naming the problem when the text is not a number
// or does not round into -32768 ... 32767.
std::int16_t parseRoundedInt16(std::string_view text, char decimalSeparator);

// A result as the calculator shows it: up to 15 significant digits, no
// leading space, the system's decimal separator; zero is always "0".
std::string formatResult(double value, char decimalSeparator);

} // namespace vector
