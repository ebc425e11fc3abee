// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessDialogs.h"

#include <QDialog>

#include <cstdio>

namespace common {

namespace {
void report(const QString& kind, const QString& title, const QString& text)
{
    QString line = kind + ": " + title;
    if (!text.isEmpty())
        line += ": " + text;
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

void HeadlessDialogs::message(QWidget*, const QString& title, const QString& text, MessageIcon)
{
    report("message", title, text);
}

Answer HeadlessDialogs::question(QWidget*, const QString& title, const QString& text, MessageIcon)
{
    report("question (answered No)", title, text);
    return Answer::No;
}

// No (Discard), as every question here: nobody has typed anything into a
// window that is only drawn, and the run must end. A file changed on disk
// is neither overwritten nor reloaded over: Cancel.
Answer HeadlessDialogs::cancellableQuestion(QWidget*, const QString& title, const QString& text,
    CancellableQuestion buttons)
{
    if (buttons == CancellableQuestion::SaveDiscardCancel) {
        report("question (answered Discard)", title, text);
        return Answer::Discard;
    }
    if (buttons == CancellableQuestion::OverwriteReloadCancel) {
        report("question (answered Cancel)", title, text);
        return Answer::Cancel;
    }
    report("question (answered No)", title, text);
    return Answer::No;
}

std::optional<QString> HeadlessDialogs::openFile(QWidget*, const FileDialogRequest& request)
{
    report("open dialog (cancelled)", request.title, {});
    return std::nullopt;
}

std::optional<QString> HeadlessDialogs::saveFile(QWidget*, const FileDialogRequest& request)
{
    report("save dialog (cancelled)", request.title, {});
    return std::nullopt;
}

std::optional<QString> HeadlessDialogs::chooseFolder(QWidget*, const QString& title, const QString&)
{
    report("folder dialog (cancelled)", title, {});
    return std::nullopt;
}

int HeadlessDialogs::exec(QDialog& dialog)
{
    report("window (cancelled)", dialog.windowTitle(), {});
    return QDialog::Rejected;
}

} // namespace common
