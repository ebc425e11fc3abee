// SPDX-License-Identifier: GPL-3.0-or-later
#include "ByteTableModel.h"

#include "ordnix/core/ValueText.h"

#include <QBrush>
#include <QFont>

#include <algorithm>

namespace ordnix {

ByteTableModel::ByteTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ByteTableModel::setImage(const LoadoutImage* image)
{
    beginResetModel();
    image_ = image;
    endResetModel();
}

void ByteTableModel::refresh(std::size_t first, std::size_t last)
{
    const int rows = rowCount();
    if (rows == 0 || first < 1)
        return;
    const int top = static_cast<int>(std::min<std::size_t>(first, static_cast<std::size_t>(rows))) - 1;
    const int bottom = static_cast<int>(std::min<std::size_t>(last, static_cast<std::size_t>(rows))) - 1;
    if (top <= bottom)
        emit dataChanged(index(top, LoadedColumn), index(bottom, CurrentColumn));
}

QModelIndex ByteTableModel::indexOf(std::size_t position, Column column) const
{
    if (!image_ || !image_->contains(position))
        return {};
    return index(static_cast<int>(position - 1), column);
}

int ByteTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !image_)
        return 0;
    return static_cast<int>(image_->size());
}

int ByteTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ByteTableModel::data(const QModelIndex& index, int role) const
{
    if (!image_ || !index.isValid())
        return {};
    const std::size_t position = static_cast<std::size_t>(index.row()) + 1;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case PositionColumn:
            return QString::number(position);
        case LoadedColumn:
            return QString::fromLatin1(image_->loadedText(position));
        default:
            return QString::fromLatin1(image_->currentText(position));
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        // An edited byte stands out, as it will go into a change script.
        if (index.column() == CurrentColumn && image_->isChanged(position)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        // A value that cannot be saved as a byte shows in red.
        if (index.column() == CurrentColumn && !image_->current().isPlain(position - 1)
            && !ToByteValue(image_->currentText(position)))
            return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant ByteTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case PositionColumn:
            return tr("DLoc: position of the byte in the file, counted from 1");
        case LoadedColumn:
            return tr("OldD: the byte's value as loaded");
        default:
            return tr("DDat: the byte's current value, which saving writes; bold when changed, red when it is no byte");
        }
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case PositionColumn:
        return tr("DLoc");
    case LoadedColumn:
        return tr("OldD");
    default:
        return tr("DDat");
    }
}

} // namespace ordnix
