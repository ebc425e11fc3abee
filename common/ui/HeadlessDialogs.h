// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

namespace common {

// Used by --screenshot: nobody is there to answer, so every box prints its
// title and text to stderr and takes No (or OK, or Cancel where it is offered); every file dialog and modal
// window is cancelled.
class HeadlessDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    Answer question(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    Answer cancellableQuestion(QWidget* parent, const QString& title, const QString& text,
        CancellableQuestion buttons) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& directory) override;
    int exec(QDialog& dialog) override;
};

} // namespace common
