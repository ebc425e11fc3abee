// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>

class QHeaderView;

namespace ordnix {

// The byte table's view: one uniform row per byte, painted only where it
// shows, as a hex editor does. It keeps no state per row (a QTableView's
// row header holds some for every one of a large file's million rows), so
// showing a large file costs no more than a small one. The column headings
// are a header over the three columns; the scroll bar counts rows.
class ByteTableView : public QAbstractItemView {
    Q_OBJECT

public:
    explicit ByteTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    QHeaderView* horizontalHeader() const { return header_; }
    void setRowHeight(int height);
    int rowHeight() const { return rowHeight_; }
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    // The row at viewport height y, or -1 below the last.
    int rowAt(int y) const;
    int columnAt(int x) const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    // From the rows on screen only, as a table does.
    int sizeHintForColumn(int column) const override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int rowCount() const;
    int columnCount() const;
    int topRow() const;
    // Rows that fit wholly into the viewport, at least one.
    int visibleRows() const;
    void updateScrollBars();

    QHeaderView* header_ = nullptr;
    int rowHeight_ = 20;
};

} // namespace ordnix
