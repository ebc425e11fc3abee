// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordField.h"

#include "common/core/FieldValueError.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wingsmith {

using FieldValueError = common::FieldValueError;

// The field's value in `record` (which holds the field) as text that reads
// back to the same bytes: integers in decimal, floats in their shortest
// exact form ("0.1", "-0", "1e+30"), infinities "inf" and "-inf", the usual
// quiet NaNs "nan" and "-nan", any other NaN "nan:0x7fc00001" with its
// bit pattern.
std::string fieldText(std::span<const std::uint8_t> record, const RecordField& field);

// An integer field's value in `record`; 0 for a float field.
std::int64_t fieldInteger(std::span<const std::uint8_t> record, const RecordField& field);

// The bytes the text stands for in that field. Integers take an optional
// sign and decimal digits and must lie in the field's range; floats take
// the forms above and any decimal a float can hold. Throws FieldValueError.
std::vector<std::uint8_t> fieldBytes(std::string_view text, const RecordField& field);

// The raw bytes the field holds in `record`.
std::vector<std::uint8_t> storedBytes(std::span<const std::uint8_t> record, const RecordField& field);

// Float texts on their own, as above.
std::string exactFloatText(float value);
float exactFloatFromText(std::string_view text); // throws FieldValueError

} // namespace wingsmith
