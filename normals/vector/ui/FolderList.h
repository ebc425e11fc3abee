#pragma once

#include <QListWidget>

namespace vector {

// A folder list in the classic style: the folders from the root down to
// the current one, then the current one's subfolders. Double-click or
// Enter on a folder makes it current.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Moves to `path`; false (and nothing changes) if it cannot be listed.
    bool setPath(const QString& path);

signals:
    void pathChanged(const QString& path);

private:
    void fill();

    QString path_;
};

} // namespace vector
