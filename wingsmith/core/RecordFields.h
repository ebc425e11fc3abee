// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordField.h"

#include <string_view>
#include <vector>

namespace wingsmith {

// The pages of Wingsmith's window, as a field's `page` names them.
namespace FieldPages {
inline constexpr const char* kStability = "Flight stability data";
inline constexpr const char* kEngine = "Engine data";
inline constexpr const char* kControl = "Flight control data";
inline constexpr const char* kPlanesGun = "Gun data: PLANES.DAT";
inline constexpr const char* kFltGun = "Gun data: flight record";
inline constexpr const char* kType = "Aircraft type";
inline constexpr const char* kDamage = "Damage data";
} // namespace FieldPages

// Every interpreted field of the 1284-byte flight record, in record order.
const std::vector<RecordField>& fltRecordFields();

// Every interpreted field of a 216-byte gun-table row, in row order.
const std::vector<RecordField>& gunTableRowFields();

// A field of either table by its name (exact); nullptr when there is none.
const RecordField* findFltRecordField(std::string_view name);
const RecordField* findGunTableRowField(std::string_view name);

} // namespace wingsmith
