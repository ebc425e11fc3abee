// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

// Numbers typed into a window and numbers shown there, independent of the C
// library's locale (Qt sets it from the user's environment, so strtod and
// printf would change their decimal point behind the program's back).

// The plain form ("-12.5e3") of a typed number: blanks around it, an
// optional sign, digits with at most one decimal separator (`separator`, and
// '.' as well when `alsoPoint`), an optional exponent with its own sign.
// Anything else, or no digit before the exponent, is no number: nullopt.
std::optional<std::string> plainDecimal(std::string_view text, char separator, bool alsoPoint);

// The value of a plain form. A value too small to hold becomes a zero of its
// sign; one too large is no float (nullopt) and an infinite double.
std::optional<float> plainToFloat(const std::string& plain);
double plainToDouble(const std::string& plain);

// A number printed by std::to_chars, with the user's decimal separator and a
// capital E.
std::string localizedNumber(std::string text, char separator);

} // namespace common
