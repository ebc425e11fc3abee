// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarningBox.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace menuwright {

WarningBox::WarningBox(QWidget* parent) : QFrame(parent), label_(new QLabel(this))
{
    setObjectName(QStringLiteral("Frame1"));
    label_->setObjectName(QStringLiteral("Label5"));
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 248, 214));
    pal.setColor(QPalette::WindowText, QColor(60, 40, 0));
    setPalette(pal);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignCenter);
    label_->setCursor(Qt::PointingHandCursor);
    label_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(label_);
    hide();
}

void WarningBox::showWarning(const QStringList& lines)
{
    label_->setText(lines.join(QLatin1Char('\n')));
    placeCentred();
    show();
    raise();
}

QString WarningBox::text() const
{
    return label_->text();
}

void WarningBox::placeCentred()
{
    const QWidget* host = parentWidget();
    const int width = std::min(460, host->width() - 20);
    label_->setFixedWidth(width - 36);
    adjustSize();
    move((host->width() - this->width()) / 2, (host->height() - height()) / 3);
}

bool WarningBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == label_ && event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void WarningBox::mousePressEvent(QMouseEvent* event)
{
    // A click on the margin around the text closes the box as well.
    hide();
    event->accept();
}

} // namespace menuwright
