// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageField.h"
#include "PageHooks.h"
#include "StringGrid.h"

#include <vector>

namespace wingsmith {

// A grid of which every cell shows one catalogue field: floats in general
// format, or fixed with `decimals`, integers in decimal. Committing reads
// each changed cell back into its field, one undo step a cell.
class FieldGrid : public StringGrid {
    Q_OBJECT

public:
    static constexpr int kGeneral = -1;

    // `fields` fill the grid row by row, `columns` to a row.
    FieldGrid(const QString& name, std::vector<PageField> fields, int columns, int decimals);

    const std::vector<PageField>& fields() const { return fields_; }
    const PageField& fieldAt(int row, int column) const;

    void fill(const AircraftImage& image, char separator);
    // Throws the conversion error of the first cell that does not read, as
    // StringGrid::commitEdits says.
    void commit(PageHooks& hooks);

private:
    std::vector<PageField> fields_;
    int columns_;
    int decimals_;
};

} // namespace wingsmith
