#include "QtDialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace common {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
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

Answer QtDialogs::questionWithCancel(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    const QString name = QFileDialog::getOpenFileName(parent, request.title, startPath(request), request.filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    const QString name = QFileDialog::getSaveFileName(parent, request.title, startPath(request), request.filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
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
