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
    // The folder the list is on, as Edit1 shows it.
    QString selectedDirectory() const;

private:
    void directoryChanged(const QString& path);

    QFileSystemModel* model_;
    QTreeView* DirectoryListBox1;
    QComboBox* DriveComboBox1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
};

} // namespace wingsmith
