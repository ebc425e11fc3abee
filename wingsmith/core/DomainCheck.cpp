#include "wingsmith/core/DomainCheck.h"

#include "wingsmith/core/FieldText.h"

#include "common/core/LittleEndian.h"

namespace wingsmith {

namespace {

std::int64_t integerAt(std::span<const std::uint8_t> record, const RecordField& field)
{
    switch (field.type) {
    case FieldType::UInt8:
        return record[field.offset];
    case FieldType::Int16:
        return common::le::getI16(record, field.offset);
    case FieldType::UInt16:
        return common::le::getU16(record, field.offset);
    case FieldType::Int32:
        return common::le::getI32(record, field.offset);
    case FieldType::Float:
    case FieldType::Bits:
        break;
    }
    return 0;
}

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
        if (field.gunGroup > gunGroupCount || field.offset + fieldWidth(field.type) > record.size())
            continue;
        const std::int64_t value = integerAt(record, field);
        if (field.codes) {
            bool known = false;
            for (const FieldCode& code : *field.codes)
                known = known || code.value == value;
            if (!known)
                warnings.push_back({field.name, fieldText(record, field), listOf(*field.codes)});
        } else if (value < field.minimum || value > field.maximum) {
            warnings.push_back({field.name, fieldText(record, field),
                std::to_string(field.minimum) + " to " + std::to_string(field.maximum)});
        }
    }
    return warnings;
}

} // namespace wingsmith
