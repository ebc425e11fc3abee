// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace wingsmith {

// A pair of arrows bound to a text field, as beside "Number of Engines ":
// each click moves the position by the increment within the range and
// writes it into the field. The field's text is the position the arrows
// start from, so a typed number is taken up by the next click.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(const QString& name, QLineEdit* associate, int minimum, int maximum, int increment = 1,
        QWidget* parent = nullptr);

    // Sets the position and writes it into the field. A stored value outside
    // the range is shown as it is; only the arrows keep to the range.
    void setPosition(int position);
    int position() const;

    void clickUp();
    void clickDown();

signals:
    // After an arrow click has moved the position (the field changed first).
    void arrowClicked();

private:
    void step(int direction);

    QPointer<QLineEdit> associate_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int increment_;
    int position_ = 0;
};

} // namespace wingsmith
