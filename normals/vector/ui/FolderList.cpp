// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderList.h"

#include "common/ui/FolderListing.h"
#include "common/ui/NativePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <filesystem>
#include <system_error>

namespace vector {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentPerLevel = 12;

// Shifts a whole item, icon and name, to the right by its depth.
class IndentingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.adjust(indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index) { return index.data(FolderList::kDepthRole).toInt() * kIndentPerLevel; }
};

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    // One size for the open and the closed folder, whatever sizes the
    // style's icons come in.
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    setIconSize(QSize(side, side));
    setItemDelegate(new IndentingDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString& path)
{
    // Through the file system's own names: a folder's name need not be UTF-8.
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(common::nativePath(path), ec);
    if (ec || !std::filesystem::is_directory(folder, ec))
        return false;
    std::filesystem::directory_iterator readable(folder, ec);
    if (ec)
        return false;
    // The same folder again is listed anew: files may have come meanwhile.
    path_ = QDir::cleanPath(common::pathText(folder));
    fill();
    emit pathChanged(path_);
    return true;
}

QIcon FolderList::sizedIcon(QStyle::StandardPixmap which) const
{
    // A style may hold one of the two folders only in a smaller size.
    const QPixmap pixmap = style()->standardIcon(which, nullptr, this).pixmap(iconSize());
    return QIcon(pixmap.size() == iconSize() ? pixmap
                                              : pixmap.scaled(iconSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void FolderList::fill()
{
    clear();
    const QIcon open = sizedIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = sizedIcon(QStyle::SP_DirIcon);

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
        auto* item = new QListWidgetItem(open, name, this);
        item->setData(kPathRole, folder);
        item->setData(kDepthRole, depth);
        current = item;
        ++depth;
    }
    QDir dir(path_);
    const QStringList children = common::subfolderNames(path_, true);
    // Hidden folders are listed: a Wine prefix, where a Windows game lives
    // on Linux, is one.
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(closed, child, this);
        item->setData(kPathRole, dir.absoluteFilePath(child));
        item->setData(kDepthRole, depth);
    }
    setCurrentItem(current);
}

} // namespace vector
