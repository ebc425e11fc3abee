// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeferredIconEngine.h"

#include <QFile>
#include <QPainter>

#include <utility>

namespace common {

DeferredIconEngine::DeferredIconEngine(QString path)
    : path_(std::move(path))
{
}

QIcon& DeferredIconEngine::icon()
{
    if (!icon_)
        icon_ = QIcon(path_);
    return *icon_;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

bool DeferredIconEngine::isNull()
{
    // Asked often, and answered without reading the file.
    return !QFile::exists(path_);
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine* DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(path_);
}

} // namespace common
