// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vector/core/Model.h"
#include "vector/core/Projection.h"
#include "vector/core/ScenePolygon.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <vector>

namespace vector {

// The model drawn in software with flat shading, light from behind the
// viewer, using the normals as they are held now: a polygon whose normal
// points inwards shows dark. Polygons whose normal points another way than
// their nodes are outlined in a warning colour. Drag turns the model, the
// wheel zooms, Home or R resets the view; a click picks a polygon.
class ModelPreview : public QWidget {
    Q_OBJECT

public:
    explicit ModelPreview(const Model& model, QWidget* parent = nullptr);

    // A new model was read: fit it and start from the first view.
    void modelRead();
    // The normals changed: draw again.
    void normalsChanged();
    void setShowNormals(bool show);

    const std::vector<ScenePolygon>& scene() const { return scene_; }
    const Projection& projection() const { return projection_; }
    int pickedElement() const { return picked_; }
    // The warning colour of the outlines.
    static QColor warningColour();

    QSize sizeHint() const override { return {360, 320}; }
    QSize minimumSizeHint() const override { return {240, 200}; }

signals:
    void elementPicked(int element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuild();
    // The picture changed: draw it anew at the next paint.
    void redraw();
    void drawScene(QPainter& painter) const;

    const Model& model_;
    Projection projection_;
    std::vector<ScenePolygon> scene_;
    bool showNormals_ = false;
    int picked_ = -1;
    QPoint pressedAt_;
    QPoint lastAt_;
    bool dragging_ = false;
    // The last picture drawn: a window is painted more than once (shown,
    // then grabbed or uncovered) while the picture stays the same.
    QImage picture_;
};

} // namespace vector
