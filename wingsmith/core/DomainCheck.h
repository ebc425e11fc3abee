// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/DomainWarning.h"
#include "wingsmith/core/RecordField.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wingsmith {

// The fields of a record (a flight record, a gun-table row) whose value
// lies outside the field's domain. Gun groups beyond `gunGroupCount` hold
// no data and are not looked at; neither are fields the bytes do not
// reach (a short file is reported where it is read).
// One field's value, if it lies outside the field's domain (floats never do).
std::optional<DomainWarning> fieldOutOfDomain(const RecordField& field, std::span<const std::uint8_t> record);

std::vector<DomainWarning> outOfDomain(
    const std::vector<RecordField>& fields, std::span<const std::uint8_t> record, int gunGroupCount);

} // namespace wingsmith
