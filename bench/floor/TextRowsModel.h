// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <utility>

namespace bench {

// A table that shows given column captions, and row captions and cell
// texts for its first rows, and nothing in the rest: the contents a
// program's view showed, without the program.
class TextRowsModel : public QAbstractTableModel {
public:
    TextRowsModel(int rows, QStringList captions, QStringList rowCaptions, QStringList cells, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , rows_(rows)
        , captions_(std::move(captions))
        , rowCaptions_(std::move(rowCaptions))
        , cells_(std::move(cells))
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(captions_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const qsizetype at = static_cast<qsizetype>(index.row()) * captions_.size() + index.column();
        if (role != Qt::DisplayRole || at >= cells_.size())
            return {};
        return cells_[at];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section < captions_.size())
            return captions_[section];
        if (role == Qt::DisplayRole && orientation == Qt::Vertical && section < rowCaptions_.size())
            return rowCaptions_[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    int rows_;
    QStringList captions_;
    QStringList rowCaptions_;
    QStringList cells_;
};

} // namespace bench
