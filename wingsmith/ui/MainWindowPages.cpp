// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window's menus and pages.
#include "MainWindow.h"

#include "AircraftPicture.h"
#include "FieldPage.h"
#include "StringGrid.h"
#include "UpDown.h"

#include "wingsmith/core/AircraftRoster.h"
#include "wingsmith/core/FieldCodes.h"

#include "common/ui/StandardActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace wingsmith {

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("File1");
    auto add = [this](QMenu* menu, const QString& name, const QString& text, void (MainWindow::*handler)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const common::StandardActions keys(this,
        {.save = [this] { BitBtn1Click(); },
            // Opening a game folder is the program's open.
            .open = [this] { PathClick1Click(); },
            // Through close(), so the exit question still comes.
            .quit = [this] { Exit1Click(); },
            .undo = [this] { undoEdit(); },
            .redo = [this] { redoEdit(); }});
    const auto put = [](QMenu* menu, QAction* a, const QString& name, const QString& text) {
        a->setObjectName(name);
        a->setText(text);
        menu->addAction(a);
        return a;
    };
    put(file, keys.open(), "PathClick1", tr("&Set Path ..."));
    file->addSeparator();
    put(file, keys.save(), "SavedatatoFLTfiles1", tr("Sa&ve data to FLT files"));
    file->addSeparator();
    add(file, "GetdatafromDATACDFandFLTCDF1", tr("&Import data from DATA.CDF and FLT.CDF"), &MainWindow::BitBtn2Click);
    add(file, "SavedatatoDATACDFandFLTCDF1", tr("&Export data to DATA.CDF and FLT.CDF"),
        &MainWindow::SavedatatoDATACDFandFLTCDF1Click);
    file->addSeparator();
    put(file, keys.quit(), "Exit1", tr("E&xit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("Edit1Menu");
    QAction* undo = put(edit, keys.undo(), "Undo1", tr("&Undo"));
    QAction* redo = put(edit, keys.redo(), "Redo1", tr("&Redo"));
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(document_->undoStack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(document_->undoStack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    QMenu* info = menuBar()->addMenu(tr("&Info"));
    info->setObjectName("Info1");
    add(info, "About2", tr("&About Wingsmith"), &MainWindow::About2Click);
}

void MainWindow::buildToolBar()
{
    QToolBar* bar = addToolBar(tr("Tools"));
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    BitBtn1 = new QPushButton(tr("&Save data to FLT files"));
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton(tr("I&mport data from DATA.CDF and FLT.CDF"));
    BitBtn2->setObjectName("BitBtn2");
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    for (auto* b : {BitBtn1, BitBtn2}) {
        b->setFocusPolicy(Qt::StrongFocus);
        bar->addWidget(b);
    }
    connect(BitBtn1, &QPushButton::clicked, this, &MainWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &MainWindow::BitBtn2Click);
}

} // namespace wingsmith
