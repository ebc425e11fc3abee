// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <filesystem>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace vector {

class FolderList;

// The file window both the open and the save window are built on: a drive
// list, a folder list, a file list filtered by a pattern and a name field.
// It is not modal: the main window stays usable while it is shown.
class FileWindow : public QDialog {
    Q_OBJECT

public:
    FileWindow(const QString& objectName, const QString& caption, const QString& pattern, const QString& nameLabel,
        const QString& initialName, QWidget* parent);

    QString folder() const;
    std::filesystem::path folderPath() const;
    // Moves the folder list; false if the folder cannot be listed.
    bool setFolder(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    virtual void OKButton_Click() = 0;

    // A box titled "Error" with one OK button.
    void showError(const QString& text);

    QLineEdit* Text1;
    QListWidget* File1;
    QVBoxLayout* bottom; // room for a progress bar under the lists

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void showDriveOfFolder();
    void refreshFiles();

    QString pattern_;
    QComboBox* Drive1;
    FolderList* Dir1;
    QLabel* pathlabel;
};

// The folder of a path as text, and back.
std::filesystem::path toPath(const QString& text);
QString fromPath(const std::filesystem::path& path);

} // namespace vector
