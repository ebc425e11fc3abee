// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageField.h"
#include "PageHooks.h"

#include <vector>

class QString;

namespace wingsmith {

class StringGrid;

// The fields of a grid of which every cell shows one catalogue field:
// floats in general format, or fixed with `decimals`, integers in decimal.
// Committing reads each changed cell back into its field, one undo step a
// cell. Kept beside a plain StringGrid rather than deriving a grid class,
// which would bring its own tables and meta-object.
class FieldGrid {
public:
    static constexpr int kGeneral = -1;

    // Makes the grid `name`, which `fields` fill row by row, `columns` to a
    // row.
    FieldGrid(const QString& name, std::vector<PageField> fields, int columns, int decimals);

    StringGrid* grid() const { return grid_; }
    const std::vector<PageField>& fields() const { return fields_; }
    const PageField& fieldAt(int row, int column) const;

    void fill(const AircraftValues& values, char separator) const;
    // Throws the conversion error of the first cell that does not read, as
    // StringGrid::commitEdits says.
    void commit(PageHooks& hooks) const;

private:
    StringGrid* grid_;
    std::vector<PageField> fields_;
    int columns_;
    int decimals_;
};

} // namespace wingsmith
