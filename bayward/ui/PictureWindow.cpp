// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWindow.h"
#include "common/ui/FolderListing.h"

#include "ButtonTableWindow.h"
#include "HangarRowsDocument.h"

#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"
#include "common/ui/RowRectangles.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace bayward {

PictureWindow::PictureWindow(ButtonTableWindow& table) : QWidget(nullptr, Qt::Window), table_(table)
{
    setObjectName(QStringLiteral("PH2"));
    setWindowTitle(tr("Rectangle locator") + QStringLiteral(" \u2014 Bayward"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    Picture1 = new common::PictureBoard(QSize(640, 480), kRows, this);
    Picture1->setShowsDragOut(true);
    layout->addWidget(Picture1);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);

    for (int i = 0; i < kRows; ++i) {
        Label2[i] = Picture1->rectangle(i);
        Label2[i]->setCursor(Qt::PointingHandCursor);
        Label2[i]->setToolTip(tr("Click to hide this rectangle"));
        Label2[i]->hide();
    }
    connect(Picture1, &common::PictureBoard::rectangleClicked, this, [this](int i) { table_.rows().hideButton(i); });
    connect(&table_.rows(), &HangarRowsDocument::rowsChanged, this,
        [this](const QList<int>& changed) { showRows(changed); });
    // A right click on a placed rectangle means "done" as well.
    connect(Picture1, &common::PictureBoard::rectanglePressed, this,
        [this](int i, QPointF position, Qt::MouseButton button) {
            if (button == Qt::RightButton)
                Picture1_MouseDown(Label2[i]->mapToParent(position), button);
        });
    connect(Picture1, &common::PictureBoard::picturePressed, this, &PictureWindow::Picture1_MouseDown);
    connect(Picture1, &common::PictureBoard::pictureReleased, this, &PictureWindow::Picture1_MouseUp);
}

bool PictureWindow::loadPicture(const QString& path, QString* error)
{
    const QImage image = common::readPicture(path, error);
    if (image.isNull())
        return false;
    Picture1->setPicture(QPixmap::fromImage(image));
    return true;
}

void PictureWindow::Picture1_MouseDown(QPointF position, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        // Done with this button: back to the table.
        hide();
        table_.show();
        table_.raise();
        table_.activateWindow();
    }
    start_ = dragStart(position.x(), position.y());
}

void PictureWindow::Picture1_MouseUp(QPointF position, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        return;
    const int s = table_.selectedRow();
    if (s < 0 || s >= kRows)
        return;
    const Placement p = placeRectangle(start_, position.x(), position.y(), Picture1->width(), Picture1->height());
    // Named as the row reads when it is placed.
    Label2[s]->setText(table_.rows().text(s, common::ButtonRowsDocument::Field::Caption));
    table_.rows().placeButton(s, p);
}

void PictureWindow::showRows(const QList<int>& changed)
{
    // Named when placed, not as the row's caption changes.
    common::RowRectangles(Label2).show(table_.rows(), changed, false);
}

void PictureWindow::closeEvent(QCloseEvent* event)
{
    // Closing the picture window only puts it away; the table stays.
    event->accept();
    table_.show();
}

} // namespace bayward
