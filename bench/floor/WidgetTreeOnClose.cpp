// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/floor/WidgetTreeOnClose.h"

#include "bench/floor/WidgetTree.h"

#include "common/core/AtomicWrite.h"
#include "common/core/IoError.h"
#include "common/ui/NativePath.h"

#include <QEvent>
#include <QWidget>

#include <cstdint>
#include <span>
#include <utility>

namespace bench {

WidgetTreeOnClose::WidgetTreeOnClose(QString path, std::shared_ptr<bool> written, QObject* parent)
    : QObject(parent)
    , path_(std::move(path))
    , written_(std::move(written))
{
}

bool WidgetTreeOnClose::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Close && window != nullptr && !*written_) {
        const QByteArray text = (describeWidgetTree(*window).join('\n') + '\n').toUtf8();
        try {
            common::writeNewFileWhole(common::nativePath(path_),
                std::span<const std::uint8_t>(
                    reinterpret_cast<const std::uint8_t*>(text.constData()), static_cast<std::size_t>(text.size())));
            *written_ = true;
        } catch (const common::IoError&) {
            // *written_ stays false; the launcher reports it.
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace bench
