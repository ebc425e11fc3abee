#include "PictureWindow.h"
#include "common/ui/FolderListing.h"

#include "ButtonTableWindow.h"

#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"

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
    connect(Picture1, &common::PictureBoard::rectangleClicked, this, [this](int i) {
        Label2[i]->hide();
        table_.recordPlacement(i, false);
    });
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
    table_.Text3[s]->setText(QString::fromStdString(coordinateText(p.left)));
    table_.Text4[s]->setText(QString::fromStdString(coordinateText(p.top)));
    table_.Text5[s]->setText(QString::fromStdString(coordinateText(p.width)));
    table_.Text6[s]->setText(QString::fromStdString(coordinateText(p.height)));
    Label2[s]->setGeometry(p.left, p.top, p.width, p.height);
    Label2[s]->setText(table_.Text2[s]->text());
    Label2[s]->show();
    table_.recordPlacement(s, true);
}

void PictureWindow::closeEvent(QCloseEvent* event)
{
    // Closing the picture window only puts it away; the table stays.
    event->accept();
    table_.show();
}

} // namespace bayward
