// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandColumn.h"

#include "ControlHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace ordnix {

CommandColumn::CommandColumn(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(170);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* exit = namedButton(QStringLiteral("Command3"), tr("E&xit"));
    Command5 = namedButton(QStringLiteral("Command5"), tr("&Insert a block"));
    Command6 = namedButton(QStringLiteral("Command6"), tr("&Delete a block"));
    Check1 = new QCheckBox(tr("&Replace Loadout.dat"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Command2 = namedButton(QStringLiteral("Command2"), tr("&Save Loadout"));
    auto* load = namedButton(QStringLiteral("Command4"), tr("&Load Loadout"));
    Command9 = namedButton(QStringLiteral("Command9"), tr("Save &Block"));
    Command5->setToolTip(tr("Copy the record shown into the next place"));
    Command6->setToolTip(tr("Remove the record shown"));
    Command9->setToolTip(tr("Write the changes since loading as a loadout script"));

    Check1->setToolTip(tr("Save over the loaded loadout file instead of writing a numbered copy"));
    Command2->setToolTip(tr("Write the image to Loadout.dat or to the next numbered copy (Ctrl+S)"));
    load->setToolTip(tr("Open a loadout file (Ctrl+O)"));

    undo_ = new QToolButton;
    undo_->setObjectName(QStringLiteral("Undo"));
    redo_ = new QToolButton;
    redo_->setObjectName(QStringLiteral("Redo"));
    auto* history = new QHBoxLayout;
    history->addWidget(undo_, 1);
    history->addWidget(redo_, 1);
    for (QToolButton* button : {undo_, redo_})
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);

    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    File1->setToolTip(tr("Double-click a file to load it"));

    layout->addWidget(exit);
    layout->addSpacing(16);
    layout->addWidget(Command5);
    layout->addWidget(Command6);
    layout->addSpacing(16);
    layout->addWidget(Check1);
    layout->addWidget(Command2);
    layout->addWidget(load);
    layout->addWidget(Command9);
    layout->addSpacing(16);
    layout->addLayout(history);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(tr("Loadout files:")));
    layout->addWidget(File1, 1);

    // Wide enough for the widest text in the style and font in use.
    int width = 170;
    for (QWidget* control : std::initializer_list<QWidget*>{exit, Command5, Command6, Check1, Command2, load, Command9})
        width = std::max(width, control->sizeHint().width());
    setFixedWidth(width);

    connect(exit, &QPushButton::clicked, this, &CommandColumn::exitClicked);
    connect(Command5, &QPushButton::clicked, this, &CommandColumn::insertClicked);
    connect(Command6, &QPushButton::clicked, this, &CommandColumn::deleteClicked);
    connect(Command2, &QPushButton::clicked, this, &CommandColumn::saveClicked);
    connect(load, &QPushButton::clicked, this, &CommandColumn::loadClicked);
    connect(Command9, &QPushButton::clicked, this, &CommandColumn::scriptClicked);
    connect(File1, &QListWidget::itemDoubleClicked, this, &CommandColumn::fileDoubleClicked);
}

void CommandColumn::setUndoActions(QAction* undo, QAction* redo)
{
    undo_->setDefaultAction(undo);
    redo_->setDefaultAction(redo);
    for (QToolButton* button : {undo_, redo_})
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

bool CommandColumn::replaceTicked() const
{
    return Check1->isChecked();
}

void CommandColumn::showFiles(const std::vector<std::string>& storedNames, const QString& select)
{
    File1->clear();
    for (const std::string& name : storedNames) {
        const QByteArray stored = QByteArray::fromStdString(name);
        auto* item = new QListWidgetItem(QFile::decodeName(stored), File1);
        item->setData(Qt::UserRole, stored);
        if (!select.isEmpty() && item->text() == select)
            File1->setCurrentItem(item);
    }
}

std::optional<std::string> CommandColumn::currentFile() const
{
    if (const QListWidgetItem* item = File1->currentItem())
        return item->data(Qt::UserRole).toByteArray().toStdString();
    return std::nullopt;
}

void CommandColumn::setImageCommandsEnabled(bool enabled)
{
    for (QPushButton* button : {Command5, Command6, Command2, Command9})
        button->setEnabled(enabled);
}

} // namespace ordnix
