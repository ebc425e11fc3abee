// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace common {

// What a program's main() hands over: the window to show first, built from
// the command-line arguments that are not options.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(const QStringList& arguments)>;

// What the window-program runner knows of a program: its name, what its
// help says of the files it takes (nothing when it takes none) and how its
// first window is made.
struct WindowProgramDescription {
    QString name;
    QString fileSyntax; // e.g. "[LOADOUT]"
    QString fileAbout;
    MainWindowFactory makeWindow;
};

} // namespace common
