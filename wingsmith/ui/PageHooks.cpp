// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageHooks.h"

#include "wingsmith/core/NumberFormat.h"

namespace wingsmith {

namespace {
QStringList namesOf(const PageField& field)
{
    return {QString::fromStdString(field.field->name)};
}
} // namespace

void PageHooks::storeInteger(const PageField& field, std::int64_t value)
{
    record(0, namesOf(field), [&](AircraftValues& values) { values.setInteger(field.record, *field.field, value); });
}

void PageHooks::storeFloat(const PageField& field, float value)
{
    record(0, namesOf(field), [&](AircraftValues& values) { values.setFloat(field.record, *field.field, value); });
}

void PageHooks::storeBits(const PageField& field, std::uint32_t bits)
{
    record(0, namesOf(field), [&](AircraftValues& values) { values.setBits(field.record, *field.field, bits); });
}

void PageHooks::storeText(
    AircraftValues& values, const PageField& field, bool asFloat, const QString& text, char separator)
{
    if (asFloat)
        values.setFloat(field.record, *field.field, parseFloat(text.toStdString(), separator));
    else
        values.setInteger(field.record, *field.field, parseInteger(text.toStdString()));
}

} // namespace wingsmith
