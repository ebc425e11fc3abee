// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>

class QAction;
class QWidget;

namespace common {

// The keys every window program answers alike: Ctrl+S saves, Ctrl+O opens,
// Ctrl+Q quits, Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. A window gives
// the commands it has; each becomes an action on the window, answering
// wherever the focus is in it. A command left out leaves its keys alone.
class StandardActions {
public:
    enum class Command { Save, Open, Quit, Undo, Redo };

    // Any may be left out.
    struct Commands {
        std::function<void()> save = {};
        std::function<void()> open = {};
        std::function<void()> quit = {};
        std::function<void()> undo = {};
        std::function<void()> redo = {};
    };

    StandardActions(QWidget* window, Commands commands);

    // The action made for `command`, to name, caption or put in a menu;
    // null when the window gave no such command.
    QAction* action(Command command) const;
    QAction* save() const { return action(Command::Save); }
    QAction* open() const { return action(Command::Open); }
    QAction* quit() const { return action(Command::Quit); }
    QAction* undo() const { return action(Command::Undo); }
    QAction* redo() const { return action(Command::Redo); }

    static QList<QKeySequence> keys(Command command);

private:
    QAction* actions_[5] = {};
};

} // namespace common
