// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QString>

#include <optional>

namespace common {

// An icon read from its file only when it is first drawn or measured.
// A window icon that the window system never asks for (the offscreen
// platform, a screenshot run) then costs no image plugin and no parsing at
// start-up.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QString path);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    QIcon& icon();

    QString path_;
    std::optional<QIcon> icon_;
};

} // namespace common
