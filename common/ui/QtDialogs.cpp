// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace common {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString startPath(const FileDialogRequest& request)
{
    if (request.presetName.isEmpty())
        return request.directory;
    if (request.directory.isEmpty())
        return request.presetName;
    return QDir(request.directory).filePath(request.presetName);
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

Answer QtDialogs::question(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtDialogs::questionDefaultNo(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtDialogs::cancellableQuestion(
    QWidget* parent, const QString& title, const QString& text, CancellableQuestion buttons)
{
    if (buttons == CancellableQuestion::OverwriteReloadCancel) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
        QPushButton* overwrite = box.addButton(QObject::tr("&Overwrite"), QMessageBox::DestructiveRole);
        QPushButton* reload = box.addButton(QObject::tr("&Reload"), QMessageBox::ResetRole);
        overwrite->setObjectName(QStringLiteral("Overwrite"));
        reload->setObjectName(QStringLiteral("Reload"));
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        if (box.clickedButton() == overwrite)
            return Answer::Overwrite;
        if (box.clickedButton() == reload)
            return Answer::Reload;
        return Answer::Cancel;
    }
    const bool save = buttons == CancellableQuestion::SaveDiscardCancel;
    const QMessageBox::StandardButton first = save ? QMessageBox::Save : QMessageBox::Yes;
    const QMessageBox::StandardButton second = save ? QMessageBox::Discard : QMessageBox::No;
    QMessageBox box(QMessageBox::Question, title, text, first | second | QMessageBox::Cancel, parent);
    box.setDefaultButton(first);
    box.setEscapeButton(QMessageBox::Cancel);
    const int chosen = box.exec();
    if (chosen == first)
        return save ? Answer::Save : Answer::Yes;
    if (chosen == second)
        return save ? Answer::Discard : Answer::No;
    return Answer::Cancel;
}

namespace {

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, startPath(request), request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.history.isEmpty())
        dialog.setHistory(request.history);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace

std::optional<QString> QtDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& directory)
{
    const QString name = QFileDialog::getExistingDirectory(parent, title, directory);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

int QtDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace common
