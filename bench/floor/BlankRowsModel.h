#pragma once

#include <QAbstractTableModel>

namespace bench {

// A table of `rows` rows and three columns with nothing in them: what a
// one-row-per-byte table view costs before any of its own data.
class BlankRowsModel : public QAbstractTableModel {
public:
    BlankRowsModel(int rows, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , rows_(rows)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex&, int) const override { return {}; }

private:
    int rows_;
};

} // namespace bench
