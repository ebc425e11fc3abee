// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/DomainCheck.h"

#include "wingsmith/core/AircraftFiles.h"
#include "wingsmith/core/FieldCodes.h"
#include "wingsmith/core/FieldText.h"

namespace wingsmith {

namespace {

std::string listOf(const std::vector<FieldCode>& codes)
{
    std::string text = "one of";
    for (std::size_t i = 0; i < codes.size(); ++i)
        text += (i == 0 ? " " : ", ") + std::to_string(codes[i].value);
    return text;
}

} // namespace

std::optional<DomainWarning> fieldOutOfDomain(const RecordField& field, std::span<const std::uint8_t> record)
{
    if (field.type == FieldType::Float || field.type == FieldType::Bits)
        return std::nullopt; // any pattern is a number the game reads
    const std::int64_t value = fieldInteger(record, field);
    if (field.codes) {
        if (codeIndex(*field.codes, value) < 0)
            return DomainWarning{field.name, fieldText(record, field), listOf(*field.codes)};
    } else if (const auto [low, high] = expectedRange(field); value < low || value > high) {
        return DomainWarning{field.name, fieldText(record, field), std::to_string(low) + " to " + std::to_string(high)};
    }
    return std::nullopt;
}

std::vector<DomainWarning> outOfDomain(
    const std::vector<RecordField>& fields, std::span<const std::uint8_t> record, int gunGroupCount)
{
    std::vector<DomainWarning> warnings;
    for (const RecordField& field : fields) {
        if (!fieldInUse(field, gunGroupCount) || field.offset + fieldWidth(field.type) > record.size())
            continue;
        if (auto warning = fieldOutOfDomain(field, record))
            warnings.push_back(std::move(*warning));
    }
    return warnings;
}

} // namespace wingsmith
