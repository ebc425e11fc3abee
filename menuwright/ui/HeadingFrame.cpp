// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadingFrame.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace menuwright {

HeadingFrame::HeadingFrame(const QString& name, const QString& caption, QWidget* parent) : QGroupBox(caption, parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HeadingFrame::setColumnAnchors(const QList<QWidget*>& anchors)
{
    anchors_.clear();
    for (QWidget* w : anchors)
        anchors_ << w;
    update();
}

int HeadingFrame::captionHeight() const
{
    return fontMetrics().height() + 4;
}

void HeadingFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int top = fm.height() / 2;

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, top, 0, 0);
    frame.frameShape = QFrame::StyledPanel;
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &p, this);

    auto label = [&](int x, const QString& text) {
        const int w = fm.horizontalAdvance(text);
        p.fillRect(QRect(x - 3, 0, w + 6, fm.height()), palette().window());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(x, 0, w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    };

    const QStringList words = title().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (anchors_.isEmpty() || anchors_.size() != words.size()) {
        label(8, title().trimmed());
        return;
    }
    for (int i = 0; i < words.size(); ++i) {
        if (!anchors_[i])
            continue;
        const QRect r = anchors_[i]->geometry();
        const QPoint centre = mapFromParent(QPoint(r.center().x(), 0));
        label(centre.x() - fm.horizontalAdvance(words[i]) / 2, words[i]);
    }
}

} // namespace menuwright
