// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace menuwright {

// The drive, folder and file lists with which a picture is chosen.

// The file system roots.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);
    QString drive() const;
    void showDriveOf(const QString& folder);

signals:
    void driveChanged(const QString& root);
};

// The current folder with its parents above it and its subfolders below;
// activating an entry (double click or Enter) opens it.
class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
    void refresh();

signals:
    void pathChanged(const QString& path);

private:
    QString path_;
};

// The files of one folder that match a pattern such as "*.jpg;*.bmp;*.gif"
// (letter case ignored, as game files may come from Windows).
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
    void setPattern(const QString& pattern);
    QString pattern() const { return pattern_; }
    void refresh();
    // Selects the file and reports it as a click would.
    bool chooseFile(const QString& name);

signals:
    void fileClicked(const QString& name);

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

} // namespace menuwright
