// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ByteTableModel.h"

#include "ordnix/core/RecordList.h"

#include <QWidget>

#include <cstddef>

class QLabel;
class QTableWidget;

namespace ordnix {

class ByteTableView;
class MissionOptionsFrame;

// The "Choose Plane" page: the record list (RG) naming the 180 records,
// the byte table (BG) of the whole image, the loaded file's name (ldf) and
// the mission options of the record shown.
class ChoosePlanePage : public QWidget {
    Q_OBJECT

public:
    ChoosePlanePage(ByteTableModel* model, QWidget* parent = nullptr);

    MissionOptionsFrame* missionOptions() const { return Frame2; }

    // Record list rows: the start position each holds (0 before the first
    // load) and its name.
    int currentRow() const;
    std::size_t recordStart(int row) const;
    QString recordName(int row) const;
    // Makes `row` current without telling anyone.
    void setCurrentRowQuietly(int row);
    void showRecordNames(const RecordList& list);

    // The byte table with `position` as its top row; `select` also makes
    // its current value the current cell.
    void scrollTo(std::size_t position, bool select = false);
    // Column widths for the positions of a file of `imageSize` bytes.
    void fitByteTable(std::size_t imageSize);

    void setFileNameVisible(bool visible);
    void showFileName(const QString& name);
    // Shows the record list and the mission options in place of the hint.
    void showLoadedViews();

signals:
    // A row became current (click, keys, or "-" and "+").
    void recordChosen();
    void recordClicked(int row);
    // Right mouse button on the record list.
    void recordListRightClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitRecordList();

    ByteTableModel* model_;
    QTableWidget* RG = nullptr;
    ByteTableView* BG = nullptr;
    QLabel* ldf = nullptr;
    QLabel* emptyHint_ = nullptr;
    MissionOptionsFrame* Frame2 = nullptr;
};

} // namespace ordnix
