// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndoButtons.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QUndoStack>

namespace common {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("common::UndoButtons", text);
}

} // namespace

StandardActions addUndoCommands(QUndoStack* stack, QWidget* window, QBoxLayout* row, StandardActions::Commands others)
{
    // Held weakly: a window's last key may come while its stack goes.
    others.undo = [held = QPointer(stack)] {
        if (held)
            held->undo();
    };
    others.redo = [held = QPointer(stack)] {
        if (held)
            held->redo();
    };
    StandardActions actions(window, std::move(others));
    QAction* undo = actions.undo();
    QAction* redo = actions.redo();
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    // As the stack's own actions would: enabled while there is a step, and
    // captioned with it.
    const auto caption = [](QAction* action, const QString& prefix, const QString& step) {
        action->setText(step.isEmpty() ? prefix : prefix + QLatin1Char(' ') + step);
    };
    caption(undo, tr("&Undo"), stack->undoText());
    caption(redo, tr("&Redo"), stack->redoText());
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
    QObject::connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(stack, &QUndoStack::undoTextChanged, undo,
        [undo, caption, prefix = tr("&Undo")](const QString& step) { caption(undo, prefix, step); });
    QObject::connect(stack, &QUndoStack::redoTextChanged, redo,
        [redo, caption, prefix = tr("&Redo")](const QString& step) { caption(redo, prefix, step); });
    for (QAction* action : {undo, redo}) {
        // A steady caption; what the step was shows as its tip.
        auto* button = new QPushButton(action == undo ? tr("Undo") : tr("Redo"), window);
        button->setObjectName(action == undo ? QStringLiteral("undoButton") : QStringLiteral("redoButton"));
        button->setEnabled(action->isEnabled());
        QObject::connect(action, &QAction::changed, button, [button, action] {
            button->setEnabled(action->isEnabled());
            button->setToolTip(QString(action->text()).remove(QLatin1Char('&')));
        });
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
        row->addWidget(button);
    }
    return actions;
}

} // namespace common
