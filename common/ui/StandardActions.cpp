// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/StandardActions.h"

#include <QAction>
#include <QWidget>

#include <utility>

namespace common {

StandardActions::StandardActions(QWidget* window, Commands commands)
{
    const std::pair<Command, std::function<void()>*> given[]
        = {{Command::Save, &commands.save}, {Command::Open, &commands.open}, {Command::Quit, &commands.quit},
            {Command::Undo, &commands.undo}, {Command::Redo, &commands.redo}};
    for (const auto& [command, callback] : given) {
        if (!*callback)
            continue;
        auto* action = new QAction(window);
        action->setShortcuts(keys(command));
        // The whole window, whichever of its controls has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, window, std::move(*callback));
        window->addAction(action);
        actions_[static_cast<int>(command)] = action;
    }
}

QAction* StandardActions::action(Command command) const
{
    return actions_[static_cast<int>(command)];
}

QList<QKeySequence> StandardActions::keys(Command command)
{
    // Spelled out rather than the platform's standard keys, which differ
    // (Ctrl+Y alone redoes on Windows, Ctrl+Shift+Z alone on some desktops).
    switch (command) {
    case Command::Save:
        return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case Command::Open:
        return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case Command::Quit:
        return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    case Command::Undo:
        return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    case Command::Redo:
        return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
    }
    return {};
}

} // namespace common
