// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/Dialogs.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace menuwright {

// The one open/save dialog shared by all Menuwright windows. Like the
// dialog control it stands for, it keeps its title, filter, folder and file
// name from one use to the next, so a save offers the last name used.
class CommonDialog : public QObject {
    Q_OBJECT

public:
    explicit CommonDialog(QObject* parent = nullptr);

    QString dialogTitle;
    QString filter;  // "Description|pattern", e.g. "Text files|*.txt"
    QString initDir;
    QString fileName; // the last name chosen, with its folder

    std::optional<QString> showOpen(QWidget* parent);
    std::optional<QString> showSave(QWidget* parent);

private:
    common::FileDialogRequest request() const;
    std::optional<QString> remember(std::optional<QString> chosen);
};

} // namespace menuwright
