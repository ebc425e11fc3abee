// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoosePlanePage.h"

#include "ByteTableView.h"
#include "ControlHelpers.h"
#include "common/ui/CoreText.h"
#include "MissionOptionsFrame.h"

#include "ordnix/core/LoadoutLayout.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ordnix {

namespace {

constexpr int kMinimumRecordListWidth = 210;

// Digits in the highest position of a file of `size` bytes.
int digitsOf(std::size_t size)
{
    int digits = 1;
    for (; size >= 10; size /= 10)
        ++digits;
    return digits;
}

} // namespace

ChoosePlanePage::ChoosePlanePage(ByteTableModel* model, QWidget* parent) : QWidget(parent), model_(model)
{
    RG = new QTableWidget(static_cast<int>(kRecordCount), 2);
    RG->setObjectName(QStringLiteral("RG"));
    // No caption on screen names the two tables; their tips say what they hold.
    RG->setAccessibleName(tr("Loadout records"));
    RG->horizontalHeader()->hide();
    RG->verticalHeader()->hide();
    RG->setColumnHidden(0, true);
    RG->setColumnWidth(1, twips(1800));
    RG->horizontalHeader()->setStretchLastSection(true);
    RG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RG->setSelectionMode(QAbstractItemView::SingleSelection);
    RG->setSelectionBehavior(QAbstractItemView::SelectRows);
    RG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    RG->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    RG->setFixedWidth(kMinimumRecordListWidth);
    RG->viewport()->installEventFilter(this);
    RG->setToolTip(tr("The 180 loadout records, named by aircraft and numbered within each aircraft; "
                      "right-click to show the aircraft's mission option block in the byte table"));
    for (int row = 0; row < RG->rowCount(); ++row) {
        RG->setItem(row, 0, new QTableWidgetItem);
        RG->setItem(row, 1, new QTableWidgetItem);
    }
    connect(RG, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row >= 0 && row != previousRow)
            emit recordChosen();
    });
    connect(RG, &QTableWidget::cellClicked, this, [this](int row, int) { emit recordClicked(row); });

    BG = new ByteTableView;
    BG->setObjectName(QStringLiteral("BG"));
    BG->setAccessibleName(tr("Record bytes"));
    BG->setModel(model_);
    BG->setRowHeight(fontMetrics().height() + 4);
    BG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BG->setSelectionMode(QAbstractItemView::SingleSelection);
    BG->setToolTip(tr("Every byte of the loaded file: position, value as loaded, current value"));
    fitByteTable(0);

    ldf = namedLabel(QStringLiteral("ldf"), QString());
    QFont strong = ldf->font();
    strong.setBold(true);
    ldf->setFont(strong);
    ldf->setToolTip(tr("The loaded loadout file"));

    Frame2 = new MissionOptionsFrame;

    emptyHint_ = new QLabel(
        tr("No loadout file is loaded.\n\nPress \"Load Loadout\" or double-click a file in the list of loadout files."));
    emptyHint_->setWordWrap(true);
    emptyHint_->setEnabled(false);

    auto* right = new QVBoxLayout;
    right->addWidget(emptyHint_);
    right->addWidget(ldf);
    right->addWidget(Frame2);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(RG);
    layout->addWidget(BG);
    layout->addLayout(right, 1);

    RG->hide();
    Frame2->hide();
}

int ChoosePlanePage::currentRow() const
{
    return RG->currentRow();
}

std::size_t ChoosePlanePage::recordStart(int row) const
{
    return RG->item(row, 0)->text().toULongLong();
}

QString ChoosePlanePage::recordName(int row) const
{
    return RG->item(row, 1)->text();
}

void ChoosePlanePage::setCurrentRowQuietly(int row)
{
    const QSignalBlocker blocker(RG);
    RG->setCurrentCell(row, 1);
}

void ChoosePlanePage::showRecordNames(const RecordList& list)
{
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const int row = static_cast<int>(i);
        RG->item(row, 0)->setText(QString::number(list[i].start));
        RG->item(row, 1)->setText(common::gameText(list[i].name));
        RG->setRowHidden(row, list[i].hidden);
    }
    fitRecordList();
}

// Wide enough for the longest record name, so its run number shows.
void ChoosePlanePage::fitRecordList()
{
    const int names = static_cast<const QAbstractItemView*>(RG)->sizeHintForColumn(1);
    const int chrome = RG->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * RG->frameWidth() + 2;
    RG->setFixedWidth(std::max(kMinimumRecordListWidth, names + chrome));
}

void ChoosePlanePage::scrollTo(std::size_t position, bool select)
{
    const QModelIndex cell =
        model_->indexOf(position, select ? ByteTableModel::CurrentColumn : ByteTableModel::PositionColumn);
    BG->scrollTo(cell, QAbstractItemView::PositionAtTop);
    if (select)
        BG->setCurrentIndex(cell);
}

// The widths of the original grid, widened where today's fonts need it and
// where the positions of a large file have more digits.
void ChoosePlanePage::fitByteTable(std::size_t imageSize)
{
    const QFontMetrics metrics = BG->fontMetrics();
    const int pad = 12;
    const QString widestPosition(std::max(7, digitsOf(imageSize)), QLatin1Char('0'));
    const int positionWidth = std::max(twips(480), metrics.horizontalAdvance(widestPosition) + pad);
    const int valueWidth = std::max(twips(420), metrics.horizontalAdvance(QStringLiteral("OldD")) + pad + 4);
    BG->setColumnWidth(ByteTableModel::PositionColumn, positionWidth);
    BG->setColumnWidth(ByteTableModel::LoadedColumn, valueWidth);
    BG->setColumnWidth(ByteTableModel::CurrentColumn, valueWidth);
    BG->setFixedWidth(positionWidth + 2 * valueWidth + BG->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 2 * BG->frameWidth() + 2);
}

void ChoosePlanePage::setFileNameVisible(bool visible)
{
    ldf->setVisible(visible);
}

void ChoosePlanePage::showFileName(const QString& name)
{
    ldf->setText(name);
    ldf->show();
}

void ChoosePlanePage::showLoadedViews()
{
    RG->show();
    Frame2->show();
    emptyHint_->hide();
}

bool ChoosePlanePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RG->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit recordListRightClicked();
        return true; // the row under the pointer is not chosen by a right click
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ordnix
