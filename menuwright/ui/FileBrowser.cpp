// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBrowser.h"
#include "common/ui/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace menuwright {

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& root : QDir::drives())
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::toNativeSeparators(root.absoluteFilePath()),
            root.absoluteFilePath());
    connect(this, &QComboBox::activated, this, [this](int) { emit driveChanged(drive()); });
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::showDriveOf(const QString& folder)
{
    const QString absolute = QDir(folder).absolutePath();
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (absolute.startsWith(root, Qt::CaseInsensitive)) {
            setCurrentIndex(i);
            return;
        }
    }
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("Dir1"));
    setAccessibleName(tr("Folders"));
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString target = item->data(Qt::UserRole).toString();
        if (target != path_)
            setPath(target);
    });
}

void FolderList::setPath(const QString& path)
{
    const QString absolute = QDir(path).absolutePath();
    const bool changed = absolute != path_;
    path_ = absolute;
    refresh();
    if (changed)
        emit pathChanged(path_);
}

void FolderList::refresh()
{
    clear();
    QStringList chain;
    for (QDir dir(path_);; ) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    int level = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto* item = new QListWidgetItem(open, QString(level * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, folder);
        ++level;
    }
    if (count() > 0)
        setCurrentRow(count() - 1);
    const QDir current(path_);
    for (const QString& sub : common::subfolderNames(path_)) {
        auto* item = new QListWidgetItem(closed, QString(level * 2, QLatin1Char(' ')) + sub, this);
        item->setData(Qt::UserRole, current.absoluteFilePath(sub));
    }
}

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("File1"));
    setAccessibleName(tr("Pictures"));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
}

void FileList::setPath(const QString& path)
{
    path_ = QDir(path).absolutePath();
    refresh();
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    refresh();
}

void FileList::refresh()
{
    clear();
    if (path_.isEmpty())
        return;
    const QStringList filters = pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    addItems(common::fileNames(path_, filters));
}

bool FileList::chooseFile(const QString& name)
{
    const auto found = findItems(name, Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    setCurrentItem(found.front());
    emit fileClicked(found.front()->text());
    return true;
}

} // namespace menuwright
