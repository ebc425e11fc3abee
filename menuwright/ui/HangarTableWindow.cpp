// SPDX-License-Identifier: GPL-3.0-or-later
#include "HangarTableWindow.h"
#include "common/ui/CoreText.h"
#include "common/ui/FolderListing.h"
#include "common/ui/NativePath.h"

#include "CommonDialog.h"
#include "FileBrowser.h"
#include "LocalPath.h"
#include "MenuwrightSession.h"
#include "RectangleLocatorWindow.h"
#include "StatusLine.h"
#include "WarningBox.h"

#include "menuwright/menufile/ScreenCheck.h"
#include "menuwright/menufile/LayoutText.h"
#include "menuwright/menufile/MenuFileError.h"
#include "menuwright/menufile/MenuFileWriter.h"

#include "common/ui/WindowUndoRouting.h"
#include "common/ui/BackupNotice.h"
#include "common/core/IoError.h"
#include "common/ui/ButtonRowsFrame.h"
#include "common/ui/NamedWidgets.h"
#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"
#include "common/ui/RowRectangles.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>

namespace menuwright {

HangarTableWindow::HangarTableWindow(MenuwrightSession& module) : QWidget(nullptr, Qt::Window), module_(module)
{
    setObjectName(QStringLiteral("PH1"));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(10);

    Picture1 = new common::PictureBoard(QSize(640, 474), kRows, this);
    Picture1->setHint(tr("Choose a picture in the file list"));
    for (int i = 0; i < kRows; ++i) {
        Label2[i] = Picture1->rectangle(i);
        Label2[i]->setGeometry(16 + i * 124, 424, 116, 32); // a row along the bottom until placed
        Label2[i]->setCursor(Qt::SizeAllCursor);
        Label2[i]->setToolTip(tr("Left button: move. Right button: size."));
    }
    connect(Picture1, &common::PictureBoard::rectanglePressed, this, [this](int, QPointF pixels) {
        const QPointF twips = pixels * RectangleDrag::kTwipsPerPixel;
        drag_.press(twips.x(), twips.y());
    });
    connect(Picture1, &common::PictureBoard::rectangleMoved, this, &HangarTableWindow::rectangleMoved);
    // A drag is one step, ended when the button is let go.
    connect(Picture1, &common::PictureBoard::rectangleReleased, this, [this] { rows().closeStep(); });
    outer->addWidget(Picture1, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    outer->addLayout(side);

    // The sides bear the same names in every window.
    Frame4 = new SideOptions({QT_TR_NOOP("&USA"), QT_TR_NOOP("&Britain"), QT_TR_NOOP("&Axis")}, this);
    connect(Frame4, &SideOptions::chosen, this, &HangarTableWindow::Option1_Click);
    side->addWidget(Frame4);

    auto* pictures = new QGroupBox(tr("Picture (the menu file is written to its folder)"), this);
    auto* pictureBox = new QGridLayout(pictures);
    Drive1 = new DriveList(pictures);
    Dir1 = new FolderList(pictures);
    File1 = new FileList(pictures);
    Dir1->setFixedHeight(92);
    File1->setFixedHeight(92);
    pictureBox->addWidget(Drive1, 0, 0, 1, 2);
    pictureBox->addWidget(Dir1, 1, 0);
    pictureBox->addWidget(File1, 1, 1);
    side->addWidget(pictures);

    Frame2 = new common::ButtonRowsFrame(tr("Hangar Screen Text"), kRows, 150, this);
    for (int i = 0; i < kRows; ++i) {
        Text2[i] = Frame2->caption(i);
        std::tie(Text3[i], Text4[i], Text5[i], Text6[i]) = std::tuple_cat(Frame2->coordinates(i));
        rowBoxes(i).sendEditsTo(module_.hangarRows(), i, this);
    }
    common::RowRectangles(Label2).adoptInto(rows());
    connect(&rows(), &ScreenRowsDocument::rowsChanged, this, [this](const QList<int>& changed) { showRows(changed); });
    connect(&rows(), &ScreenRowsDocument::modifiedChanged, this, &QWidget::setWindowModified);
    side->addWidget(Frame2);

    auto* commands = new QGridLayout;
    Command1 = common::namedButton(QStringLiteral("Command1"), tr("Make hangar  .mnu file"), this);
    Command1->setToolTip(
        tr("Write the hangar menu file into the picture's folder and the rows into a layout text file (Ctrl+S)"));
    Command4 = common::namedButton(QStringLiteral("Command4"), tr("&Load Hangar Text"), this);
    Command4->setToolTip(tr("Read the rows from a hangar layout text file (Ctrl+O)"));
    Command3 = common::namedButton(QStringLiteral("Command3"), tr("&Planes"), this);
    Command2 = common::namedButton(QStringLiteral("Command2"), tr("E&xit"), this);
    commands->addWidget(Command1, 0, 0);
    commands->addWidget(Command4, 0, 1);
    commands->addWidget(Command3, 1, 0);
    commands->addWidget(Command2, 1, 1);
    side->addLayout(commands);
    auto* editRow = new QHBoxLayout;
    MenuwrightSession::addCommands(
        this, rows(), editRow, [this] { makeHangarFiles(); }, [this] { Command4->click(); },
        [this] { Command2->click(); });
    editRow->addStretch();
    side->addLayout(editRow);
    updateTitle();

    PlaneRow = new QLabel(this);
    PlaneRow->setObjectName(QStringLiteral("PlaneRow"));
    side->addWidget(PlaneRow);
    status = new StatusLine(this);
    side->addWidget(status);
    side->addStretch();

    warning = new WarningBox(this);

    connect(File1, &FileList::fileClicked, this, &HangarTableWindow::File1_Click);
    connect(Dir1, &FolderList::pathChanged, this, [this](const QString& path) { File1->setPath(path); });
    connect(Drive1, &DriveList::driveChanged, this, [this](const QString& root) {
        Dir1->setPath(root);
        File1->setPath(Dir1->path());
    });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] {
        hide();
        module_.showLocator();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { module_.requestEnd(this); });
    common::routeUndoToWindow(this);
}

void HangarTableWindow::load()
{
    rows().showEveryRectangle(false);
    Frame4->reset();
    rows().adopt([this] {
        for (int i = 0; i < kRows; ++i)
            rows().setRow(i, {HangarLayout::defaultCaptions()[i], {}, {}, {}, {}});
    });
    for (int i = 0; i < kRows; ++i)
        for (QLineEdit* e : {Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]})
            e->show();
    Dir1->setPath(module_.startDirectory);
    File1->setPath(module_.startDirectory);
    Drive1->showDriveOf(module_.startDirectory);
    File1->setPattern(QStringLiteral("*.bmp;*.jpg;*.gif"));
}

HangarLayout HangarTableWindow::layout() const
{
    HangarLayout layout;
    for (int i = 0; i < kRows; ++i)
        layout.rows[i] = module_.hangarRows().row(i);
    return layout;
}

common::RowBoxes HangarTableWindow::rowBoxes(int i) const
{
    return {Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]};
}

ScreenRowsDocument& HangarTableWindow::rows()
{
    return module_.hangarRows();
}

void HangarTableWindow::showRows(const QList<int>& changed)
{
    for (int i : changed)
        rowBoxes(i).show(rows(), i);
    common::RowRectangles(Label2).show(rows(), changed, true);
}

void HangarTableWindow::Option1_Click(int i)
{
    for (int r = 0; r < kRows; ++r)
        for (QLineEdit* e : {Text2[r], Text3[r], Text4[r], Text5[r], Text6[r]})
            e->show();
    fileName_ = QString::fromStdString(hangarMenuFileName(static_cast<Side>(i)));
}

void HangarTableWindow::File1_Click(const QString& name)
{
    const QString path = QDir(File1->path()).filePath(name);
    QString error;
    const QImage image = common::readPicture(path, &error);
    if (image.isNull()) {
        warning->showWarning(MenuwrightSession::warningLines(
            tr("The picture %1 cannot be shown: %2.").arg(name, error), tr("The previous picture stays.")));
        return;
    }
    Picture1->setPicture(QPixmap::fromImage(image));
    rows().showEveryRectangle(true);
    status->setText(tr("Showing %1.").arg(QDir::toNativeSeparators(path)));
}

void HangarTableWindow::updateTitle()
{
    setWindowTitle(MenuwrightSession::windowTitle(tr("Hangar Screen Menu Maker"), textFile_));
}

void HangarTableWindow::Command1_Click()
{
    makeHangarFiles();
}

bool HangarTableWindow::makeHangarFiles()
{
    // A box still being typed in is written as it reads; its edit is a step.
    rows().closeStep();
    const HangarLayout hangar = layout();
    const QString menuPath = QDir(File1->path()).filePath(fileName_);
    try {
        writeHangarFile(localPath(menuPath), hangar);
    } catch (const MenuFileError& e) {
        warning->showWarning(MenuwrightSession::warningLines(common::failureText(e), tr("Nothing was written.")));
        return false;
    } catch (const common::IoError& e) {
        warning->showWarning(MenuwrightSession::warningLines(common::writeFailureText(menuPath, e), {}));
        return false;
    }
    // A button the game would draw cut off is named, never refused.
    const QString offScreen = common::coreText(offScreenNotice(hangar));
    const auto withNotice = [&](const QString& text) { return offScreen.isEmpty() ? text : text + '\n' + offScreen; };
    status->setText(withNotice(tr("Wrote %1.").arg(QDir::toNativeSeparators(menuPath))));

    module_.CD1->initDir = common::currentFolderText();
    const auto textPath = module_.saveLayoutText(this);
    if (!textPath)
        return false;
    std::array<bool, kRows> shown{};
    for (int i = 0; i < kRows; ++i)
        shown[i] = rows().rowAt(i).shown;
    try {
        writeLayoutText(localPath(*textPath), hangar, shown);
    } catch (const MenuFileError& e) {
        warning->showWarning(MenuwrightSession::warningLines(
            common::failureText(e), tr("%1 was written; the text file was not.").arg(fileName_)));
        return false;
    } catch (const common::IoError& e) {
        warning->showWarning(MenuwrightSession::warningLines(
            common::writeFailureText(*textPath, e), tr("%1 was written; the text file was not.").arg(fileName_)));
        return false;
    }
    status->setText(withNotice(common::withBackupNotice(
        tr("Wrote %1 and %2.").arg(QDir::toNativeSeparators(menuPath), QFileInfo(*textPath).fileName()))));
    rows().markSaved();
    textFile_ = QFileInfo(*textPath).fileName();
    updateTitle();
    return true;
}

void HangarTableWindow::Command4_Click()
{
    const auto path = module_.openLayoutText(this);
    if (!path)
        return;
    const auto text = module_.readLayoutFile(*path, *warning);
    if (!text)
        return;
    std::istringstream in(*text);
    rows().edit(tr("Load Hangar Text"), [&] { rows().loadRows(in, 0, kRows - 1); });
    status->setText(tr("Loaded %1.").arg(QDir::toNativeSeparators(*path)));
    rows().markSaved();
    textFile_ = QFileInfo(*path).fileName();
    updateTitle();
}

void HangarTableWindow::rectangleMoved(int i, QPointF pixels, Qt::MouseButtons buttons)
{
    const QPointF twips = pixels * RectangleDrag::kTwipsPerPixel;
    const QRect g = Label2[i]->geometry();
    const RectangleGeometry moved = drag_.move({g.x(), g.y(), g.width(), g.height()}, buttons.testFlag(Qt::LeftButton),
        buttons.testFlag(Qt::RightButton), twips.x(), twips.y());
    rows().dragTo(i, moved, buttons);
}

void HangarTableWindow::closeEvent(QCloseEvent* event)
{
    if (module_.requestEnd(this))
        event->accept();
    else
        event->ignore();
}

} // namespace menuwright
