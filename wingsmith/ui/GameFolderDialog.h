// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace wingsmith {

// The directory window: the user picks the game folder in a folder tree.
class GameFolderDialog : public QDialog {
    Q_OBJECT

public:
    explicit GameFolderDialog(QWidget* parent = nullptr);

    // Moves the folder list to `path`; an empty path leaves it where it is.
    void setDirectory(const QString& path);
    // The folder the list is on, as Edit1 shows it, or the path typed or
    // pasted there.
    QString selectedDirectory() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void directoryChanged(const QString& path);
    // Selects the preset folder and scrolls the list to it, again whenever
    // the folders read in the background move it.
    void revealPreset();

    QString preset_;
    QFileSystemModel* model_;
    QTreeView* DirectoryListBox1;
    QComboBox* DriveComboBox1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
};

} // namespace wingsmith
