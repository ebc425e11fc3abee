// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelPreview.h"

#include "vector/core/PreviewScene.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vector {

namespace {

constexpr double kDegreesPerPixel = 0.5;
// A press and release closer than this is a click, not a drag.
constexpr int kClickSlack = 3;
// Unlit faces keep a little light, so their shape still shows.
constexpr double kAmbient = 0.12;

QPolygonF toPolygon(const std::vector<Vector3>& corners)
{
    QPolygonF out;
    for (const Vector3& c : corners)
        out << QPointF(c.x, c.y);
    return out;
}

} // namespace

ModelPreview::ModelPreview(const Model& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    projection_.setViewport(width(), height());
}

QColor ModelPreview::warningColour()
{
    return QColor(255, 140, 0);
}

void ModelPreview::modelRead()
{
    projection_.fit(model_);
    picked_ = -1;
    rebuild();
}

void ModelPreview::normalsChanged()
{
    rebuild();
}

void ModelPreview::setShowNormals(bool show)
{
    showNormals_ = show;
    redraw();
}

void ModelPreview::rebuild()
{
    projection_.setViewport(width(), height());
    scene_ = buildScene(model_, projection_);
    redraw();
}

void ModelPreview::redraw()
{
    picture_ = QImage();
    update();
}

void ModelPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuild();
}

void ModelPreview::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        picture_.setDevicePixelRatio(ratio);
        QPainter painter(&picture_);
        painter.setFont(font());
        drawScene(painter);
    }
    QPainter(this).drawImage(0, 0, picture_);
}

void ModelPreview::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        redraw();
}

void ModelPreview::drawScene(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    // A middle grey: unlit faces show dark against it, lit ones light.
    painter.fillRect(rect(), QColor(118, 126, 138));
    if (scene_.empty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
            model_.elementCount == 0 ? tr("Open a model to see it here.") : tr("No polygon to draw."));
        return;
    }
    const QColor base(170, 195, 230);
    for (const ScenePolygon& p : scene_) {
        const double light = kAmbient + (1.0 - kAmbient) * std::max(0.0, p.shade);
        const QColor fill = QColor::fromRgbF(static_cast<float>(base.redF() * light),
            static_cast<float>(base.greenF() * light), static_cast<float>(base.blueF() * light));
        QPen pen(p.disagrees ? warningColour() : fill.darker(160), p.disagrees ? 2.0 : 1.0);
        pen.setJoinStyle(Qt::RoundJoin);
        if (p.element == picked_)
            pen = QPen(Qt::white, 2.5);
        painter.setPen(pen);
        painter.setBrush(fill);
        painter.drawPolygon(toPolygon(p.corners));
        if (showNormals_) {
            painter.setPen(QPen(p.disagrees ? warningColour() : QColor(120, 230, 120), 1.5));
            painter.drawLine(QPointF(p.normalFrom.x, p.normalFrom.y), QPointF(p.normalTo.x, p.normalTo.y));
        }
    }
}

void ModelPreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_ = lastAt_ = event->position().toPoint();
    dragging_ = false;
}

void ModelPreview::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressedAt_).manhattanLength() <= kClickSlack)
        return;
    dragging_ = true;
    const QPoint delta = at - lastAt_;
    lastAt_ = at;
    projection_.rotate(delta.x() * kDegreesPerPixel, delta.y() * kDegreesPerPixel);
    rebuild();
}

void ModelPreview::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || dragging_) {
        dragging_ = false;
        return;
    }
    const QPointF at = event->position();
    picked_ = pickElement(scene_, at.x(), at.y());
    redraw();
    emit elementPicked(picked_);
}

void ModelPreview::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0)
        return;
    projection_.zoomBy(std::pow(1.15, steps));
    rebuild();
    event->accept();
}

void ModelPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_R) {
        projection_.reset();
        rebuild();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vector
