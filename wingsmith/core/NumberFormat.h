// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wingsmith {

// How the main window shows and reads numbers. `sep` is the locale's
// decimal separator.

// General: up to 15 significant digits, trailing zeros dropped, so 0.1f
// shows as 0.100000001490116; exponent form (1E-6) below 0.00001 or with
// more than 15 integer digits.
std::string formatGeneral(float value, char sep = '.');

// Fixed: rounded to 7 significant digits, then exactly `decimals` decimals;
// exponent form when the integer part has more than 7 digits.
std::string formatFixed(float value, int decimals, char sep = '.');

std::string formatInteger(std::int64_t value);

// A typed text that is not a number: what() is the message the user sees.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decimal number with an optional exponent, stored as float32.
// Throws ConversionError("'%s' is not a valid floating point value").
float parseFloat(std::string_view text, char sep = '.');

// An optionally signed decimal integer of 32 bits.
// Throws ConversionError("'%s' is not a valid integer value").
std::int32_t parseInteger(std::string_view text);

} // namespace wingsmith
