// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace facetnorm {

// The facet's plane seen edge-on: a horizontal line crossed by the normal's
// axis, with RS above the plane and LS below it.
class PlaneSideDrawing : public QWidget {
    Q_OBJECT

public:
    explicit PlaneSideDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace facetnorm
