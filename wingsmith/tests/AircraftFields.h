// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftValues.h"
#include "wingsmith/core/RecordFields.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Tests reach an aircraft's fields by the names modders use for them.
namespace wingsmith::test {

struct NamedField {
    RecordKind record;
    const RecordField* field;
};

inline NamedField namedField(std::string_view name)
{
    if (const RecordField* f = findGunTableRowField(name))
        return {RecordKind::GunTableRow, f};
    if (const RecordField* f = findFltRecordField(name))
        return {RecordKind::FlightRecord, f};
    throw std::out_of_range("no field " + std::string(name));
}

inline float floatOf(const AircraftValues& v, std::string_view name)
{
    const NamedField n = namedField(name);
    return v.floatValue(n.record, *n.field);
}

inline std::uint32_t bitsOf(const AircraftValues& v, std::string_view name)
{
    const NamedField n = namedField(name);
    return v.bits(n.record, *n.field);
}

inline std::int64_t intOf(const AircraftValues& v, std::string_view name)
{
    const NamedField n = namedField(name);
    return v.integerValue(n.record, *n.field);
}

inline void setFloat(AircraftValues& v, std::string_view name, float value)
{
    const NamedField n = namedField(name);
    v.setFloat(n.record, *n.field, value);
}

inline void setBits(AircraftValues& v, std::string_view name, std::uint32_t bits)
{
    const NamedField n = namedField(name);
    v.setBits(n.record, *n.field, bits);
}

inline void setInt(AircraftValues& v, std::string_view name, std::int64_t value)
{
    const NamedField n = namedField(name);
    v.setInteger(n.record, *n.field, value);
}

// The n-th (from 0) field of a page, in catalogue order: the stability
// values, say.
inline std::string nthOfPage(const char* page, std::size_t n)
{
    for (const RecordField& f : fltRecordFields())
        if (f.page == page && n-- == 0)
            return f.name;
    throw std::out_of_range("page too short");
}

inline std::string stabilityName(std::size_t n)
{
    return nthOfPage(FieldPages::kStability, n);
}

} // namespace wingsmith::test
