#include "FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace vector {

namespace {
constexpr int kPathRole = Qt::UserRole;
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !QDir(info.absoluteFilePath()).isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == path_)
        return true;
    path_ = clean;
    fill();
    emit pathChanged(path_);
    return true;
}

void FolderList::fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);

    // The chain of folders from the root down.
    QStringList chain;
    for (QDir d(path_);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, folder);
        current = item;
        ++depth;
    }
    QDir dir(path_);
    const QStringList children
        = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    // Hidden folders are listed: a Wine prefix, where a Windows game lives
    // on Linux, is one.
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + child, this);
        item->setData(kPathRole, dir.absoluteFilePath(child));
    }
    setCurrentItem(current);
}

} // namespace vector
