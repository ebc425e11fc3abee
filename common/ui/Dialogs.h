// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace common {

enum class MessageIcon { Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard, Overwrite, Reload };
// The buttons of a question that can be called off; the first is the
// default, except for OverwriteReloadCancel (a file changed on disk since
// it was read), where Enter cancels: overwriting loses another program's
// work, reloading loses this window's.
enum class CancellableQuestion { YesNoCancel, SaveDiscardCancel, OverwriteReloadCancel };

struct FileDialogRequest {
    QString title;
    QString filter;      // Qt filter text, e.g. "Pictures (*.bmp *.jpg)"
    QString directory;   // initial directory
    QString presetName;  // preset file name
    QStringList history; // other folders the dialog offers to go to
};

// Every message box, file dialog and modal window of the programs goes
// through this interface, so tests can script the answers and the
// screenshot mode can run without anyone at the keyboard.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with a single OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) = 0;
    // A box with Yes and No; returns Answer::Yes or Answer::No.
    virtual Answer question(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) = 0;
    // The same where Yes loses data (replacing a file): Enter answers No.
    // Scripted and headless dialogs answer it as any other question.
    virtual Answer questionDefaultNo(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
    {
        return question(parent, title, text, icon);
    }
    // A box with Yes, No and Cancel, Save, Discard and Cancel, or Overwrite,
    // Reload and Cancel; returns the button chosen (Cancel also when the box
    // is closed).
    virtual Answer cancellableQuestion(
        QWidget* parent, const QString& title, const QString& text, CancellableQuestion buttons)
        = 0;

    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& directory) = 0;

    // Runs one of the programs' own modal windows; returns its result code
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int exec(QDialog& dialog) = 0;
};

// The dialogs in use: the Qt implementation unless another was installed.
Dialogs& dialogs();

// Installs `replacement` (taking ownership) and returns the previous one.
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> replacement);

} // namespace common
