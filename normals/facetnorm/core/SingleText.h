// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace facetnorm {

// A typed number in single precision: optional spaces, sign, digits with
// '.' or the system's decimal separator, optional exponent. Empty text, a
// lone space or a word is not a number, nor is a value beyond the single-
// precision range; one too small to hold becomes zero.
std::optional<float> parseSingle(std::string_view text, char decimalSeparator);

// Up to 7 significant digits, no leading space, the system's decimal
// separator; zero is always "0".
std::string formatSingle(float value, char decimalSeparator);

} // namespace facetnorm
