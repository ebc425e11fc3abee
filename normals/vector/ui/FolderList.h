// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStyle>

namespace vector {

// A folder list in the classic style: the folders from the root down to
// the current one, then the current one's subfolders, each indented by its
// depth (icon and name together). Double-click or Enter on a folder makes
// it current; on the current one it lists the folder again.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kDepthRole = Qt::UserRole + 1;

    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Moves to `path` and lists it anew; false (and nothing changes) if it
    // cannot be listed.
    bool setPath(const QString& path);

signals:
    void pathChanged(const QString& path);

private:
    void fill();
    QIcon sizedIcon(QStyle::StandardPixmap which) const;

    QString path_;
};

} // namespace vector
