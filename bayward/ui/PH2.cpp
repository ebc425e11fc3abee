#include "PH2.h"

#include "ClickableLabel.h"
#include "PH1.h"
#include "PictureBox.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace bayward {

PH2::PH2(PH1& table) : QWidget(nullptr, Qt::Window), table_(table)
{
    setObjectName(QStringLiteral("PH2"));
    setWindowTitle(QStringLiteral("Rectangle locator"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    Picture1 = new PictureBox(this);
    layout->addWidget(Picture1);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);

    for (int i = 0; i < kRows; ++i) {
        Label2[i] = new ClickableLabel(i, Picture1);
        Label2[i]->setRectangleLook(true);
        Label2[i]->hide();
        connect(Label2[i], &ClickableLabel::clicked, this, [this](int index) { Label2[index]->hide(); });
    }
    connect(Picture1, &PictureBox::pressed, this, &PH2::Picture1_MouseDown);
    connect(Picture1, &PictureBox::released, this, &PH2::Picture1_MouseUp);
}

bool PH2::loadPicture(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    Picture1->setPicture(QPixmap::fromImage(image));
    return true;
}

void PH2::Picture1_MouseDown(QPointF position, Qt::MouseButton button)
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

void PH2::Picture1_MouseUp(QPointF position, Qt::MouseButton button)
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
}

void PH2::closeEvent(QCloseEvent* event)
{
    // Closing the picture window only puts it away; the table stays.
    event->accept();
    table_.show();
}

} // namespace bayward
