// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;

namespace menuwright {

// The warning box of the Menuwright windows: a framed text over the window
// that stays until the user clicks it.
class WarningBox : public QFrame {
    Q_OBJECT

public:
    explicit WarningBox(QWidget* parent);

    void showWarning(const QStringList& lines);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void placeCentred();

    QLabel* label_;
};

} // namespace menuwright
