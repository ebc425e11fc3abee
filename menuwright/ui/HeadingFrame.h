// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QList>
#include <QPointer>

namespace menuwright {

// A frame drawn behind a block of controls laid out in the window's grid,
// with its caption on the top edge. Given column anchors, the words of the
// caption are centred over those columns, so that "    L      T      W      H"
// heads the coordinate boxes whatever the font.
class HeadingFrame : public QGroupBox {
    Q_OBJECT

public:
    HeadingFrame(const QString& name, const QString& caption, QWidget* parent = nullptr);

    void setColumnAnchors(const QList<QWidget*>& anchors);
    int captionHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPointer<QWidget>> anchors_;
};

} // namespace menuwright
