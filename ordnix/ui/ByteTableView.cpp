// SPDX-License-Identifier: GPL-3.0-or-later
#include "ByteTableView.h"

#include <QHeaderView>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>

namespace ordnix {

ByteTableView::ByteTableView(QWidget* parent) : QAbstractItemView(parent)
{
    header_ = new QHeaderView(Qt::Horizontal, this);
    header_->setSectionsClickable(false);
    header_->setHighlightSections(false);
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionBehavior(SelectItems);
}

void ByteTableView::setModel(QAbstractItemModel* model)
{
    QAbstractItemView::setModel(model);
    header_->setModel(model);
    updateGeometries();
}

void ByteTableView::setRowHeight(int height)
{
    rowHeight_ = std::max(1, height);
    updateGeometries();
    viewport()->update();
}

int ByteTableView::columnWidth(int column) const
{
    return header_->sectionSize(column);
}

void ByteTableView::setColumnWidth(int column, int width)
{
    header_->resizeSection(column, width);
}

int ByteTableView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ByteTableView::columnCount() const
{
    return model() ? model()->columnCount(rootIndex()) : 0;
}

int ByteTableView::topRow() const
{
    return verticalScrollBar()->value();
}

int ByteTableView::visibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight_);
}

int ByteTableView::rowAt(int y) const
{
    if (y < 0)
        return -1;
    const qint64 row = topRow() + y / rowHeight_;
    return row < rowCount() ? static_cast<int>(row) : -1;
}

int ByteTableView::columnAt(int x) const
{
    return header_->logicalIndexAt(x);
}

QRect ByteTableView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model())
        return {};
    const qint64 y = static_cast<qint64>(index.row() - topRow()) * rowHeight_;
    // Rows far off screen lie outside any viewport; clamp them there.
    const int top = static_cast<int>(std::clamp<qint64>(y, -rowHeight_ - 1, viewport()->height() + 1));
    return {header_->sectionViewportPosition(index.column()), top, header_->sectionSize(index.column()), rowHeight_};
}

void ByteTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    updateScrollBars(); // a model just reset has not been laid out yet
    const int row = index.row();
    const int visible = visibleRows();
    int top = topRow();
    switch (hint) {
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - visible + 1;
        break;
    case PositionAtCenter:
        top = row - visible / 2;
        break;
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + visible)
            top = row - visible + 1;
        break;
    }
    verticalScrollBar()->setValue(top);

    const int left = header_->sectionPosition(index.column());
    const int right = left + header_->sectionSize(index.column());
    QScrollBar* horizontal = horizontalScrollBar();
    if (left < horizontal->value())
        horizontal->setValue(left);
    else if (right > horizontal->value() + viewport()->width())
        horizontal->setValue(right - viewport()->width());
}

QModelIndex ByteTableView::indexAt(const QPoint& point) const
{
    const int row = rowAt(point.y());
    const int column = columnAt(point.x());
    if (row < 0 || column < 0 || !model())
        return {};
    return model()->index(row, column, rootIndex());
}

int ByteTableView::sizeHintForColumn(int column) const
{
    if (!model() || column < 0 || column >= columnCount())
        return -1;
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int hint = 0;
    const int last = std::min(rowCount(), topRow() + visibleRows() + 1);
    for (int row = topRow(); row < last; ++row) {
        const QModelIndex index = model()->index(row, column, rootIndex());
        hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return hint + 1; // the grid line
}

QModelIndex ByteTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows == 0 || columns == 0)
        return {};
    QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(topRow(), 0, rootIndex());
    int row = current.row();
    int column = current.column();
    switch (cursorAction) {
    case MoveUp: --row; break;
    case MoveDown: ++row; break;
    case MoveLeft:
    case MovePrevious: --column; break;
    case MoveRight:
    case MoveNext: ++column; break;
    case MovePageUp: row -= visibleRows(); break;
    case MovePageDown: row += visibleRows(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    }
    row = std::clamp(row, 0, rows - 1);
    column = std::clamp(column, 0, columns - 1);
    return model()->index(row, column, rootIndex());
}

int ByteTableView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int ByteTableView::verticalOffset() const
{
    return topRow() * rowHeight_;
}

bool ByteTableView::isIndexHidden(const QModelIndex&) const
{
    return false;
}

void ByteTableView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!model() || !selectionModel())
        return;
    const QRect r = rect.normalized();
    const int rows = rowCount();
    int firstRow = rowAt(std::max(0, r.top()));
    int lastRow = rowAt(std::max(0, r.bottom()));
    if (firstRow < 0)
        return;
    if (lastRow < 0)
        lastRow = rows - 1;
    int firstColumn = columnAt(r.left());
    int lastColumn = columnAt(r.right());
    if (firstColumn < 0)
        firstColumn = 0;
    if (lastColumn < 0)
        lastColumn = columnCount() - 1;
    if (firstColumn > lastColumn)
        std::swap(firstColumn, lastColumn);
    const QItemSelection selection(model()->index(firstRow, firstColumn, rootIndex()),
        model()->index(lastRow, lastColumn, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion ByteTableView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect first = visualRect(model()->index(range.top(), range.left(), rootIndex()));
        const QRect last = visualRect(model()->index(range.bottom(), range.right(), rootIndex()));
        region += QRect(first.topLeft(), last.bottomRight()).intersected(viewport()->rect().adjusted(0, -1, 0, 1));
    }
    return region;
}

void ByteTableView::updateScrollBars()
{
    const int rows = rowCount();
    const int visible = visibleRows();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, rows - visible));
    vertical->setPageStep(visible);
    vertical->setSingleStep(1);

    const int width = header_->length();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, width - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(20);
}

void ByteTableView::updateGeometries()
{
    const int headerHeight = header_->isHidden() ? 0 : header_->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    header_->setOffset(horizontalOffset());
    updateScrollBars();
    QAbstractItemView::updateGeometries();
}

void ByteTableView::resizeEvent(QResizeEvent* event)
{
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void ByteTableView::scrollContentsBy(int dx, int dy)
{
    if (dx != 0)
        header_->setOffset(horizontalOffset());
    if (dx != 0 || dy != 0)
        viewport()->update();
}

void ByteTableView::paintEvent(QPaintEvent* event)
{
    if (!model())
        return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int rows = rowCount();
    const int columns = columnCount();
    const int first = rowAt(std::max(0, area.top()));
    if (first < 0 || columns == 0)
        return;
    const int last = std::min(rows - 1, topRow() + area.bottom() / rowHeight_);

    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    const QColor grid = palette().color(QPalette::Mid);
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model()->index(row, column, rootIndex());
            QStyleOptionViewItem cell = option;
            cell.rect = visualRect(index).adjusted(0, 0, -1, -1);
            if (selectionModel() && selectionModel()->isSelected(index))
                cell.state |= QStyle::State_Selected;
            if (index == current && hasFocus())
                cell.state |= QStyle::State_HasFocus;
            itemDelegateForIndex(index)->paint(&painter, cell, index);
            painter.setPen(grid);
            const QRect r = visualRect(index);
            painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
            painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        }
    }
}

} // namespace ordnix
