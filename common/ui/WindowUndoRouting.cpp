// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowUndoRouting.h"

#include "common/ui/StandardActions.h"

#include <QChildEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace common {

namespace {

// The keys the window's own undo and redo answer.
bool isUndoOrRedo(const QKeyEvent* key)
{
    for (const auto command : {StandardActions::Command::Undo, StandardActions::Command::Redo})
        for (const QKeySequence& keys : StandardActions::keys(command))
            if (keys[0] == key->keyCombination())
                return true;
    return false;
}

class UndoRouter : public QObject {
public:
    explicit UndoRouter(QWidget* window) : QObject(window) { watch(window); }

    // Every container is watched for children it gains later. Showing the
    // window polishes every widget once more: those already watched are
    // passed over, so a start walks the widgets once.
    void watch(QWidget* widget)
    {
        if (!add(widget))
            return;
        for (QWidget* child : widget->findChildren<QWidget*>())
            if (!child->isWindow())
                add(child);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished) {
            // A box added to the window later, a page built when first shown.
            if (auto* widget = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
                widget && !widget->isWindow())
                watch(widget);
            return false;
        }
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box || event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // Not accepted and not passed on: the key goes to the window's
        // shortcut instead of the box's own undo.
        if (isUndoOrRedo(key) && !box->isModified())
            return true;
        return false;
    }

private:
    // False when `widget` is watched already.
    bool add(QWidget* widget)
    {
        if (widget->property("vantorUndoWatched").toBool())
            return false;
        widget->setProperty("vantorUndoWatched", true);
        widget->installEventFilter(this);
        // Committed: what follows is the window's undo, not the box's.
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            connect(box, &QLineEdit::editingFinished, box, [box] { box->setModified(false); });
        return true;
    }
};

} // namespace

void routeUndoToWindow(QWidget* window)
{
    new UndoRouter(window);
}

} // namespace common
