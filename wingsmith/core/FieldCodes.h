// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/FieldCode.h"

#include <cstddef>
#include <vector>

// Marks a code name for the translators' template; the core keeps the
// English text (lupdate reads it as QT_TRANSLATE_NOOP).
#define WINGSMITH_CODE_NAME(context, text) text

namespace wingsmith {

// The code lists of the coded fields, the one place that knows them: the
// pages' lists, vantor's names and the domain checks all read them here.
const std::vector<FieldCode>& engineTypeCodes();
const std::vector<FieldCode>& gunPositionCodes(); // 0-13
const std::vector<FieldCode>& caliberCodes();     // 2, 4, 12, 24
const std::vector<FieldCode>& gunSoundCodes();    // 0-3
const std::vector<FieldCode>& smokeCodes();
// The float32 patterns of the engine fields kept as patterns, each value
// the pattern's 32 bits.
const std::vector<FieldCode>& propellerPatternCodes();
const std::vector<FieldCode>& torquePatternCodes();
// The captioned bits of type-flag byte 0-3 of a gun-table row.
const std::vector<FieldCode>& typeFlagBitNames(std::size_t byte);

// The name of `value` in `codes`; nullptr when it is not one of them.
const char* codeName(const std::vector<FieldCode>& codes, std::int64_t value);
// Where `value` stands in `codes` (the list row the pages show); -1 if absent.
int codeIndex(const std::vector<FieldCode>& codes, std::int64_t value);

} // namespace wingsmith
