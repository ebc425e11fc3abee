// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldGrid.h"

#include "StringGrid.h"

#include "wingsmith/core/NumberFormat.h"

namespace wingsmith {

namespace {
int rowsFor(std::size_t fields, int columns)
{
    return static_cast<int>((fields + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns));
}

bool isFloat(const RecordField& f)
{
    return f.type == FieldType::Float || f.type == FieldType::Bits;
}
} // namespace

FieldGrid::FieldGrid(const QString& name, std::vector<PageField> fields, int columns, int decimals)
    : grid_(new StringGrid(name, rowsFor(fields.size(), columns), columns))
    , fields_(std::move(fields))
    , columns_(columns)
    , decimals_(decimals)
{
}

const PageField& FieldGrid::fieldAt(int row, int column) const
{
    return fields_[static_cast<std::size_t>(row * columns_ + column)];
}

void FieldGrid::fill(const AircraftValues& values, char separator) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const PageField& pf = fields_[i];
        std::string text;
        if (isFloat(*pf.field)) {
            const float v = values.floatValue(pf.record, *pf.field);
            text = decimals_ == kGeneral ? formatGeneral(v, separator) : formatFixed(v, decimals_, separator);
        } else {
            text = formatInteger(values.integerValue(pf.record, *pf.field));
        }
        grid_->fillCell(static_cast<int>(i) / columns_, static_cast<int>(i) % columns_, QString::fromStdString(text));
    }
}

void FieldGrid::commit(PageHooks& hooks) const
{
    const char sep = hooks.separator();
    grid_->commitEdits([&](int r, int c, const QString& t) {
        if (static_cast<std::size_t>(r * columns_ + c) >= fields_.size())
            return;
        const PageField& pf = fieldAt(r, c);
        const std::string text = t.toStdString();
        // Read before the step, so a text that does not read stores nothing.
        if (isFloat(*pf.field))
            hooks.storeFloat(pf, parseFloat(text, sep));
        else
            hooks.storeInteger(pf, parseInteger(text));
    });
}

} // namespace wingsmith
