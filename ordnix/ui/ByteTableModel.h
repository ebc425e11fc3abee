// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutImage.h"

#include <QAbstractTableModel>

#include <cstddef>

namespace ordnix {

// The byte table: one row per byte of the image, with its position
// ("DLoc"), loaded value ("OldD") and current value ("DDat"). Cells are
// produced on demand from the image, so a table over a large file costs no
// more than one over a small file.
class ByteTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { PositionColumn, LoadedColumn, CurrentColumn };

    explicit ByteTableModel(QObject* parent = nullptr);

    // The image shown (not owned); nullptr shows an empty table.
    void setImage(const LoadoutImage* image);
    // Redraws the rows of positions first ... last after the image changed.
    void refresh(std::size_t first, std::size_t last);

    QModelIndex indexOf(std::size_t position, Column column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const LoadoutImage* image_ = nullptr;
};

} // namespace ordnix
