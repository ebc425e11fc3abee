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

std::vector<DomainWarning> outOfDomain(
    const std::vector<RecordField>& fields, std::span<const std::uint8_t> record, int gunGroupCount)
{
    std::vector<DomainWarning> warnings;
    for (const RecordField& field : fields) {
        if (field.type == FieldType::Float || field.type == FieldType::Bits)
            continue; // any pattern is a number the game reads
        if (!fieldInUse(field, gunGroupCount) || field.offset + fieldWidth(field.type) > record.size())
            continue;
        const std::int64_t value = fieldInteger(record, field);
        if (field.codes) {
            if (codeIndex(*field.codes, value) < 0)
                warnings.push_back({field.name, fieldText(record, field), listOf(*field.codes)});
        } else if (value < field.minimum || value > field.maximum) {
            warnings.push_back({field.name, fieldText(record, field),
                std::to_string(field.minimum) + " to " + std::to_string(field.maximum)});
        }
    }
    return warnings;
}

} // namespace wingsmith
