// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFolderDialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace wingsmith {

GameFolderDialog::GameFolderDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form2");
    setWindowTitle(tr("Wingsmith"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* v = new QVBoxLayout(this);
    auto* p = new QFrame;
    p->setObjectName("p");
    p->setFrameShape(QFrame::StyledPanel);
    auto* pLayout = new QVBoxLayout(p);
    auto* label1 = new QLabel(tr("Please select your Vantor directory."));
    label1->setObjectName("Label1");
    QFont f = label1->font();
    f.setBold(true);
    label1->setFont(f);
    pLayout->addWidget(label1);
    v->addWidget(p);

    auto* label2 = new QLabel(tr("For example: /home/you/Games/Vantor  (on Windows: C:\\Program Files\\Vantor)"));
    label2->setObjectName("Label2");
    v->addWidget(label2);

    DriveComboBox1 = new QComboBox;
    DriveComboBox1->setObjectName("DriveComboBox1");
    for (const QFileInfo& drive : QDir::drives())
        DriveComboBox1->addItem(drive.absoluteFilePath().toUpper());
    v->addWidget(DriveComboBox1);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView;
    DirectoryListBox1->setObjectName("DirectoryListBox1");
    DirectoryListBox1->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setMinimumSize(380, 260);
    v->addWidget(DirectoryListBox1, 1);

    // A path can be typed or pasted; the tab key still passes it by.
    Edit1 = new QLineEdit;
    Edit1->setObjectName("Edit1");
    Edit1->setFocusPolicy(Qt::ClickFocus);
    v->addWidget(Edit1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Button1 = new QPushButton(tr("&Ok"));
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("&Cancel"));
    Button2->setObjectName("Button2");
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    v->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) {
            const QString path = model_->filePath(current);
            if (path != preset_)
                preset_.clear(); // the user moved on: stop bringing the preset back
            directoryChanged(path);
        });
    connect(DriveComboBox1, &QComboBox::activated, this,
        [this](int i) { setDirectory(DriveComboBox1->itemText(i)); });
    // Folders arrive in the list after it opens and push the preset down.
    // Folders arrive (and are sorted) after the list opens and push the
    // preset down, until the user takes over the list.
    connect(model_, &QAbstractItemModel::rowsInserted, this, &GameFolderDialog::revealPreset);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &GameFolderDialog::revealPreset);
    DirectoryListBox1->installEventFilter(this);
    DirectoryListBox1->viewport()->installEventFilter(this);
}

bool GameFolderDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        preset_.clear();
    return QDialog::eventFilter(watched, event);
}

void GameFolderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    revealPreset();
}

void GameFolderDialog::revealPreset()
{
    if (preset_.isEmpty())
        return;
    const QModelIndex index = model_->index(preset_);
    if (!index.isValid())
        return;
    // Moving the list must not overwrite a path the user is typing.
    const QString typed = Edit1->text();
    DirectoryListBox1->setCurrentIndex(index);
    Edit1->setText(typed);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void GameFolderDialog::setDirectory(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    preset_ = clean;
    directoryChanged(clean);
    revealPreset();
}

void GameFolderDialog::directoryChanged(const QString& path)
{
    if (!path.isEmpty())
        Edit1->setText(QDir::toNativeSeparators(path));
}

QString GameFolderDialog::selectedDirectory() const
{
    return QDir::fromNativeSeparators(Edit1->text());
}

} // namespace wingsmith
