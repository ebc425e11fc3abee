// SPDX-License-Identifier: GPL-3.0-or-later
#include "StringGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <algorithm>

namespace wingsmith {

// Remembers the open cell editor so a pending edit can be finished on demand.
class StringGridDelegate : public QStyledItemDelegate {
public:
    explicit StringGridDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        grid_->editor_ = editor;
        return editor;
    }

private:
    StringGrid* grid_;
};

namespace {
constexpr int kRowHeight = 22;
}

StringGrid::StringGrid(const QString& name, int rows, int columns, QWidget* parent)
    : QTableWidget(parent), shownTexts_(static_cast<std::size_t>(rows * columns))
{
    setObjectName(name);
    setItemDelegate(new StringGridDelegate(this));
    // Headers are set up before the grid gets its rows and columns: sized
    // from their contents first, they would cost most of the grid's start.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setRowCount(rows);
    setColumnCount(columns);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A cell opens for typing on a key, a double click or a click on the
    // current cell, never merely by becoming current: a page that gives a
    // grid the focus must not leave a value selected for a stray key.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem*) {
        if (!filling_)
            emit userEdited();
    });
    fitSize();
}

void StringGrid::setRowCaptions(const QStringList& captions)
{
    setVerticalHeaderLabels(captions);
    verticalHeader()->setVisible(!captions.isEmpty());
    fitSize();
}

void StringGrid::setColumnCaptions(const QStringList& captions)
{
    setHorizontalHeaderLabels(captions);
    horizontalHeader()->setVisible(!captions.isEmpty());
    fitSize();
}

void StringGrid::setRowToolTip(int row, const QString& tip)
{
    if (QTableWidgetItem* header = verticalHeaderItem(row))
        header->setToolTip(tip);
    for (int c = 0; c < columnCount(); ++c)
        item(row, c)->setToolTip(tip);
}

void StringGrid::setCellWidth(int pixels)
{
    cellWidth_ = pixels;
    fitSize();
}

void StringGrid::fitSize()
{
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, cellWidth_);
    const int frame = 2 * frameWidth();
    QHeaderView* rows = verticalHeader();
    const bool fixedRows = rows->minimumWidth() > 0 && rows->minimumWidth() == rows->maximumWidth();
    const int headerWidth = rows->isHidden() ? 0 : fixedRows ? rows->minimumWidth() : rows->sizeHint().width();
    const int headerHeight = !horizontalHeader()->isHidden() ? horizontalHeader()->sizeHint().height() : 0;
    // Rows as tall as the style and font need (a header section and a cell
    // grow with a larger font), never less than the usual height.
    int rowHeight = std::max(kRowHeight, rows->minimumSectionSize());
    for (int r = 0; r < rowCount(); ++r)
        rowHeight = std::max({rowHeight, sizeHintForRow(r), rows->isHidden() ? 0 : rows->sectionSizeHint(r)});
    rows->setDefaultSectionSize(rowHeight);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, rowHeight);
    setFixedSize(frame + headerWidth + cellWidth_ * columnCount(), frame + headerHeight + rowHeight * rowCount());
}

QString& StringGrid::shown(int row, int column)
{
    return shownTexts_[static_cast<std::size_t>(row * columnCount() + column)];
}

void StringGrid::fillCell(int row, int column, const QString& text)
{
    filling_ = true;
    item(row, column)->setText(text);
    filling_ = false;
    shown(row, column) = text;
}

QString StringGrid::cellText(int row, int column) const
{
    return item(row, column)->text();
}

void StringGrid::typeCell(int row, int column, const QString& text)
{
    item(row, column)->setText(text);
}

void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == editor_)
        editor_ = nullptr;
    QTableWidget::closeEditor(editor, hint);
}

void StringGrid::finishEditing()
{
    if (editor_ && state() == QAbstractItemView::EditingState) {
        QWidget* editor = editor_;
        editor_ = nullptr;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void StringGrid::commitEdits(const std::function<void(int, int, const QString&)>& store)
{
    finishEditing();
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = item(r, c)->text();
            if (text == shown(r, c))
                continue;
            store(r, c, text);
            shown(r, c) = text;
        }
}

} // namespace wingsmith
