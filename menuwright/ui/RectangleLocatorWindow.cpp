// SPDX-License-Identifier: GPL-3.0-or-later
#include "RectangleLocatorWindow.h"
#include "common/ui/FolderListing.h"
#include "common/ui/NativePath.h"

#include "FileBrowser.h"
#include "MenuwrightSession.h"
#include "StatusLine.h"
#include "WarningBox.h"

#include "menuwright/core/TextfileCheck.h"
#include "menuwright/menufile/LayoutText.h"

#include "common/ui/ClickLabel.h"
#include "common/ui/NamedWidgets.h"
#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"
#include "common/ui/RowRectangles.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
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

RectangleLocatorWindow::RectangleLocatorWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("PP2"));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(10);

    Picture1 = new common::PictureBoard(QSize(640, 480), kRows, this);
    Picture1->setHint(tr("Choose a picture in the file list"));
    for (int i = 0; i < kRows; ++i) {
        Label2[i] = Picture1->rectangle(i);
        // Where the rectangles wait before a layout is loaded: a column of
        // buttons the user can grab.
        Label2[i]->setGeometry(24, 16 + i * 42, 180, 32);
        Label2[i]->setCursor(Qt::SizeAllCursor);
        Label2[i]->setToolTip(tr("Left button: move. Right button: size."));
    }
    connect(Picture1, &common::PictureBoard::rectanglePressed, this,
        [this](int i, QPointF position, Qt::MouseButton, Qt::MouseButtons) { rectanglePressed(i, position); });
    connect(Picture1, &common::PictureBoard::rectangleMoved, this, &RectangleLocatorWindow::rectangleMoved);
    connect(Picture1, &common::PictureBoard::rectangleClicked, this, &RectangleLocatorWindow::rectangleClicked);
    // A drag is one step, ended when the button is let go.
    connect(Picture1, &common::PictureBoard::rectangleReleased, this, [this] { rows().closeStep(); });
    outer->addWidget(Picture1, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    outer->addLayout(side);

    Frame4 = new SideOptions({QT_TR_NOOP("&USA"), QT_TR_NOOP("&Britain"), QT_TR_NOOP("&Axis")}, this);
    connect(Frame4, &SideOptions::chosen, this, [this](int i) { module_->applySide(static_cast<Side>(i)); });
    side->addWidget(Frame4);

    Command1 = common::namedButton(QStringLiteral("Command1"), tr("&Load Textfile"), this);
    Command1->setToolTip(tr("Read the rows from a layout text file and check its length against the side (Ctrl+O)"));
    side->addWidget(Command1);

    auto* pictures = new QGroupBox(tr("Picture"), this);
    auto* pictureBox = new QVBoxLayout(pictures);
    pictureBox->setSpacing(4);
    Drive1 = new DriveList(pictures);
    Dir1 = new FolderList(pictures);
    File1 = new FileList(pictures);
    Dir1->setFixedHeight(96);
    File1->setFixedHeight(96);
    Label1 = new QLabel(pictures);
    Label1->setObjectName(QStringLiteral("Label1"));
    pictureBox->addWidget(Drive1);
    pictureBox->addWidget(Dir1);
    pictureBox->addWidget(File1);
    pictureBox->addWidget(Label1);
    side->addWidget(pictures);

    auto* rowLine = new QHBoxLayout;
    auto* rowCaption = new QLabel(tr("Ro&w"), this);
    Label3 = new QLabel(QStringLiteral("0"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setMinimumWidth(18);
    Label3->setToolTip(tr("Number of the selected row (0 to 10)"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(tr("Caption of the selected row; click a rectangle to select it"));
    rowCaption->setBuddy(Text1);
    rowLine->addWidget(rowCaption);
    rowLine->addWidget(Label3);
    rowLine->addWidget(Text1, 1);
    side->addLayout(rowLine);

    Label4 = new common::ClickLabel(QStringLiteral("Label4"), tr("Make non-selectable (zero values)"), this);
    Label4->setToolTip(tr("Take the selected row out of use: blank caption, all coordinates 0"));
    Label8 = new common::ClickLabel(QStringLiteral("Label8"), tr("Make mnu file"), this);
    Label8->setToolTip(tr("Write the selection menu file and all rows into a layout text file (Ctrl+S)"));
    Label7 = new common::ClickLabel(QStringLiteral("Label7"), tr("Show Start Screen"), this);
    Label7->setToolTip(tr("Show the table of the rows"));
    for (common::ClickLabel* command : {Label4, Label8, Label7}) {
        command->setButtonLook(true);
        side->addWidget(command);
    }

    auto* lastLine = new QHBoxLayout;
    Command4 = common::namedButton(QStringLiteral("Command4"), tr("&Hangars"), this);
    Command2 = common::namedButton(QStringLiteral("Command2"), tr("E&xit"), this);
    editRow_ = new QHBoxLayout;
    side->addLayout(editRow_);
    lastLine->addWidget(Command4);
    lastLine->addWidget(Command2);
    side->addLayout(lastLine);

    status = new StatusLine(this);
    side->addWidget(status);
    side->addStretch();

    Frame1 = new WarningBox(this);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(File1, &FileList::fileClicked, this, &RectangleLocatorWindow::File1_Click);
    connect(Dir1, &FolderList::pathChanged, this, [this](const QString& path) { File1->setPath(path); });
    connect(Drive1, &DriveList::driveChanged, this, [this](const QString& root) {
        Dir1->setPath(root);
        File1->setPath(Dir1->path());
    });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text1, &QLineEdit::editingFinished, this, [this] { rows().closeStep(); });
    connect(Label4, &common::ClickLabel::clicked, this, [this] { Label4_Click(); });
    connect(Label8, &common::ClickLabel::clicked, this, [this] { Label8_Click(); });
    connect(Label7, &common::ClickLabel::clicked, this, [this] { module_->showTable(); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        module_->hideTable();
        hide();
        module_->showHangars();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { module_->requestEnd(this); });

    module_ = std::make_unique<MenuwrightSession>(*this);
    common::RowRectangles(Label2).adoptInto(rows());
    connect(&rows(), &ScreenRowsDocument::rowsChanged, this, [this](const QList<int>& changed) { showRows(changed); });
}

ScreenRowsDocument& RectangleLocatorWindow::rows()
{
    return module_->selectionRows();
}

RectangleLocatorWindow::~RectangleLocatorWindow()
{
    // The other windows go first, while this one is still whole.
    module_.reset();
}

void RectangleLocatorWindow::addEditCommands(ScreenRowsDocument& rows)
{
    MenuwrightSession::addCommands(
        this, rows, editRow_, [this] { makeMnuFile(); }, [this] { Command1->click(); }, [this] { Command2->click(); });
    // In the order the column shows them.
    QWidget* undo = editRow_->itemAt(0)->widget();
    QWidget* redo = editRow_->itemAt(1)->widget();
    setTabOrder(Text1, undo);
    setTabOrder(undo, redo);
    setTabOrder(redo, Command4);
    setTabOrder(Command4, Command2);
}

void RectangleLocatorWindow::load()
{
    const QString here = common::currentFolderText();
    Dir1->setPath(here);
    File1->setPath(here);
    Drive1->showDriveOf(here);
    File1->setPattern(QStringLiteral("*.jpg;*.bmp;*.gif"));
    Frame4->reset();
}

std::optional<Side> RectangleLocatorWindow::selectedSide() const
{
    if (const auto i = Frame4->selected())
        return static_cast<Side>(*i);
    return std::nullopt;
}

void RectangleLocatorWindow::selectSide(Side side)
{
    Frame4->select(static_cast<int>(side));
}

void RectangleLocatorWindow::clearSide(Side side)
{
    Frame4->clear(static_cast<int>(side));
}

void RectangleLocatorWindow::showAxisRectangles(bool shown)
{
    // Follows the side: a step only as part of one.
    rows().adopt([&] {
        rows().setShown(6, shown);
        rows().setShown(7, shown);
    });
}

std::optional<RectangleGeometry> RectangleLocatorWindow::shownRectangle(int i) const
{
    return module_->selectionRows().shownPlace(i);
}

int RectangleLocatorWindow::applyRows(std::istream& in, int first, int last, bool showRectangles)
{
    int read = 0;
    rows().edit(tr("Load Textfile"), [&] {
        read = rows().loadRows(in, first, last);
        if (showRectangles)
            for (int i = first; i < first + read; ++i)
                rows().setShown(i, true);
    });
    return read;
}

void RectangleLocatorWindow::showRows(const QList<int>& changed)
{
    common::RowRectangles(Label2).show(rows(), changed, true);
}

void RectangleLocatorWindow::File1_Click(const QString& name)
{
    const QString path = QDir(Dir1->path()).filePath(name);
    QString error;
    const QImage image = common::readPicture(path, &error);
    if (image.isNull()) {
        Frame1->showWarning(MenuwrightSession::warningLines(
            tr("The picture %1 cannot be shown: %2.").arg(name, error), tr("The previous picture stays.")));
        return;
    }
    Picture1->setPicture(QPixmap::fromImage(image));
    // The Axis rows stay hidden for the other sides; no step either.
    rows().adopt([this] {
        rows().showEveryRectangle(true);
        if (selectedSide() != Side::Axis)
            showAxisRectangles(false);
    });
    Label1->setText(name);
    status->setText(tr("Showing %1.").arg(QDir::toNativeSeparators(path)));
    show();
}

void RectangleLocatorWindow::Command1_Click()
{
    showAxisRectangles(false);
    const auto path = module_->openLayoutText(this);
    if (path)
        loadTextfile(*path);
}

void RectangleLocatorWindow::loadTextfile(const QString& path)
{
    showAxisRectangles(false);
    const auto text = module_->readLayoutFile(path, *Frame1);
    if (!text)
        return;

    std::istringstream counting(*text);
    const TextfileCheck check = checkLayoutTextLength(countLayoutLines(counting), selectedSide());
    if (!check.warning.empty()) {
        QStringList lines;
        for (const auto& line : check.warning)
            lines << QString::fromStdString(line);
        Frame1->showWarning(lines);
    }

    std::istringstream in(*text);
    // The whole load, the side it sets up included, is one step.
    rows().edit(tr("Load Textfile"), [&] {
        applyRows(in, 0, 5, true);
        showAxisRectangles(false);
        if (!check.axisFile) {
            clearSide(Side::Axis);
        } else {
            selectSide(Side::Axis);
            applyRows(in, 6, 7, true);
        }
        applyRows(in, 8, 10, true);
    });
    status->setText(tr("Loaded %1.").arg(QDir::toNativeSeparators(path)));
    rows().markSaved();
    module_->setSelectionFile(path);
}

void RectangleLocatorWindow::Label4_Click()
{
    const int s = module_->selectedRow;
    const QString zero = QStringLiteral("0");
    rows().edit(tr("Make non-selectable"), [&] {
        rows().setShown(s, false);
        rows().setPlace(s, QRect(0, 0, 0, 0));
        rows().setCoordinates(s, zero, zero, zero, zero);
        rows().setCaption(s, QStringLiteral(" "));
    });
    Text1->setText(QStringLiteral(" "));
}

void RectangleLocatorWindow::Label8_Click()
{
    makeMnuFile();
}

bool RectangleLocatorWindow::makeMnuFile()
{
    showAxisRectangles(false);
    const auto side = selectedSide();
    if (side) {
        module_->menuFileName = QString::fromStdString(selectionMenuFileName(*side));
        if (*side == Side::Axis)
            showAxisRectangles(true);
    }
    return module_->makeSelectionFiles(this, *Frame1, status, LayoutTextVariant::SelectionComplete);
}

void RectangleLocatorWindow::Text1_Change()
{
    bool ok = false;
    const int row = Label3->text().toInt(&ok);
    if (!ok || row < 0 || row >= kRows)
        return;
    module_->selectionRows().setCaption(row, Text1->text());
}

void RectangleLocatorWindow::rectanglePressed(int, QPointF pixels)
{
    const QPointF twips = pixels * RectangleDrag::kTwipsPerPixel;
    drag_.press(twips.x(), twips.y());
}

void RectangleLocatorWindow::rectangleMoved(int i, QPointF pixels, Qt::MouseButtons buttons)
{
    const QPointF twips = pixels * RectangleDrag::kTwipsPerPixel;
    const QRect g = Label2[i]->geometry();
    const RectangleGeometry moved = drag_.move({g.x(), g.y(), g.width(), g.height()},
        buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton), twips.x(), twips.y());
    rows().dragTo(i, moved, buttons);
}

void RectangleLocatorWindow::rectangleClicked(int i)
{
    Label2[module_->selectedRow]->setSelected(false);
    module_->selectedRow = i;
    Label2[i]->setSelected(true);
    Label3->setText(QString::number(i));
    Text1->setText(Label2[i]->text());
}

void RectangleLocatorWindow::closeEvent(QCloseEvent* event)
{
    if (module_->requestEnd(this))
        event->accept();
    else
        event->ignore();
}

} // namespace menuwright
