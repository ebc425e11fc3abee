// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileWindow.h"
#include "common/ui/NativePath.h"

#include "FolderList.h"

#include "common/ui/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vector {

std::filesystem::path toPath(const QString& text)
{
    return common::nativePath(text);
}

QString fromPath(const std::filesystem::path& path)
{
    return common::pathText(path);
}

FileWindow::FileWindow(const QString& objectName, const QString& caption, const QString& pattern,
    const QString& nameLabel, const QString& initialName, QWidget* parent)
    : QDialog(parent), pattern_(pattern)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(false);

    Text1 = new QLineEdit(initialName, this);
    Text1->setObjectName("Text1");
    File1 = new QListWidget(this);
    File1->setObjectName("File1");
    // The list has no caption on screen: its files are what it holds.
    File1->setAccessibleName(tr("Files"));
    Dir1 = new FolderList(this);
    Dir1->setObjectName("Dir1");
    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");
    pathlabel = new QLabel(this);
    pathlabel->setObjectName("pathlabel");
    pathlabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathlabel->setWordWrap(true);
    auto* OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");

    for (const QFileInfo& drive : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()), drive.absoluteFilePath());

    auto* nameCaption = new QLabel(nameLabel, this);
    nameCaption->setBuddy(Text1);
    auto* folderCaption = new QLabel(tr("&Folders:"), this);
    folderCaption->setBuddy(Dir1);
    auto* driveCaption = new QLabel(tr("Dri&ves:"), this);
    driveCaption->setBuddy(Drive1);

    auto* grid = new QGridLayout;
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(folderCaption, 0, 1);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(pathlabel, 1, 1);
    grid->addWidget(File1, 2, 0);
    grid->addWidget(Dir1, 2, 1);
    grid->addWidget(driveCaption, 3, 1);
    grid->addWidget(Drive1, 4, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    bottom = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);
    resize(520, 360);

    connect(Dir1, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] { File1_Click(); });
    connect(File1, &QListWidget::itemActivated, this, [this] { OKButton_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::hide);

    Form_Load();
}

void FileWindow::Form_Load()
{
    if (!Dir1->setPath(common::currentFolderText()))
        Dir1->setPath(QDir::rootPath());
}

QString FileWindow::folder() const
{
    return Dir1->path();
}

std::filesystem::path FileWindow::folderPath() const
{
    return toPath(Dir1->path());
}

bool FileWindow::setFolder(const QString& folder)
{
    return Dir1->setPath(folder);
}

void FileWindow::showError(const QString& text)
{
    common::dialogs().message(this, tr("Error"), text, common::MessageIcon::Warning);
}

void FileWindow::showEvent(QShowEvent* event)
{
    // Files may have come or gone while the window was hidden.
    refreshFiles();
    QDialog::showEvent(event);
}

void FileWindow::Drive1_Change()
{
    // An unreadable drive: back to the one the folder list is on.
    if (!Dir1->setPath(Drive1->currentData().toString()))
        showDriveOfFolder();
}

void FileWindow::Dir1_Change()
{
    pathlabel->setText(QDir::toNativeSeparators(Dir1->path()));
    showDriveOfFolder();
    refreshFiles();
}

void FileWindow::showDriveOfFolder()
{
    for (int i = 0; i < Drive1->count(); ++i)
        if (Dir1->path().startsWith(Drive1->itemData(i).toString(), Qt::CaseInsensitive))
            Drive1->setCurrentIndex(i);
}

void FileWindow::File1_Click()
{
    const auto selected = File1->selectedItems();
    if (!selected.isEmpty())
        Text1->setText(selected.first()->text());
}

void FileWindow::refreshFiles()
{
    File1->clear();
    const QDir dir(Dir1->path());
    // Matched without regard to case: game files keep their Windows spelling.
    File1->addItems(dir.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

} // namespace vector
