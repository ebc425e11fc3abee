#include "RectangleLocatorWindow.h"
#include "common/ui/FolderListing.h"
#include "common/ui/NativePath.h"

#include "FileBrowser.h"
#include "MenuwrightSession.h"
#include "StatusLine.h"
#include "WarningBox.h"

#include "menuwright/core/TextfileCheck.h"
#include "menuwright/menufile/LayoutText.h"

#include "common/ui/ButtonRowsHistory.h"
#include "common/ui/ClickLabel.h"
#include "common/ui/NamedWidgets.h"
#include "common/ui/PictureBoard.h"
#include "common/ui/PictureRectangle.h"

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
    connect(Picture1, &common::PictureBoard::rectangleReleased, this, [this](int i, QPointF, Qt::MouseButton button) {
        module_->selectionHistory().record(button == Qt::RightButton ? tr("Size") : tr("Move"), {i});
    });
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
    connect(Text1, &QLineEdit::textEdited, this, [this] { module_->selectionHistory().markTyping(); });
    connect(Text1, &QLineEdit::editingFinished, this,
        [this] { module_->selectionHistory().record(tr("Edit"), {module_->selectedRow}); });
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
    connect(&module_->selectionRows(), &ScreenRowsDocument::rowsChanged, this, &RectangleLocatorWindow::showRows);
}

RectangleLocatorWindow::~RectangleLocatorWindow()
{
    // The other windows go first, while this one is still whole.
    module_.reset();
}

void RectangleLocatorWindow::addEditCommands(common::ButtonRowsHistory& history)
{
    MenuwrightSession::addCommands(this, history, editRow_, [this] { makeMnuFile(); }, [this] { Command1->click(); },
        [this] { Command2->click(); });
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

void RectangleLocatorWindow::setRectangle(int i, const RectangleGeometry& g)
{
    Label2[i]->setGeometry(g.left, g.top, std::max(0, g.width), std::max(0, g.height));
}

void RectangleLocatorWindow::showAxisRectangles(bool shown)
{
    Label2[6]->setVisible(shown);
    Label2[7]->setVisible(shown);
}

std::optional<RectangleGeometry> RectangleLocatorWindow::shownRectangle(int i) const
{
    if (Label2[i]->isHidden())
        return std::nullopt;
    const QRect g = Label2[i]->geometry();
    return RectangleGeometry{g.x(), g.y(), g.width(), g.height()};
}

int RectangleLocatorWindow::applyRows(std::istream& in, int first, int last, bool showRectangles)
{
    const int read = module_->selectionRows().loadRows(in, first, last);
    if (showRectangles)
        for (int i = first; i < first + read; ++i)
            Label2[i]->show();
    return read;
}

void RectangleLocatorWindow::showRows(const QList<int>& rows, ScreenRowsDocument::Change change)
{
    const ScreenRowsDocument& document = module_->selectionRows();
    for (int i : rows) {
        const ButtonRow& row = document.row(i);
        Label2[i]->setText(QString::fromStdString(row.caption));
        if (change == ScreenRowsDocument::Change::Loaded)
            setRectangle(i, geometryFromTexts(row.L, row.T, row.W, row.H));
    }
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
    for (common::PictureRectangle* rectangle : Label2)
        rectangle->show();
    Label1->setText(name);
    if (selectedSide() != Side::Axis)
        showAxisRectangles(false);
    module_->selectionHistory().takeAsBase();
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
    applyRows(in, 0, 5, true);
    showAxisRectangles(false);
    if (!check.axisFile) {
        clearSide(Side::Axis);
    } else {
        selectSide(Side::Axis);
        applyRows(in, 6, 7, true);
    }
    applyRows(in, 8, 10, true);
    status->setText(tr("Loaded %1.").arg(QDir::toNativeSeparators(path)));
    module_->selectionHistory().record(tr("Load Textfile"));
    module_->selectionHistory().markSaved();
    module_->setSelectionFile(path);
}

void RectangleLocatorWindow::Label4_Click()
{
    const int s = module_->selectedRow;
    Label2[s]->hide();
    Label2[s]->setGeometry(0, 0, 0, 0);
    const QString zero = QStringLiteral("0");
    module_->selectionRows().setCoordinates(s, zero, zero, zero, zero);
    Text1->setText(QStringLiteral(" "));
    module_->selectionRows().setCaption(s, QStringLiteral(" "));
    module_->selectionHistory().record(tr("Make non-selectable"), {s});
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
    common::PictureRectangle* rectangle = Label2[i];
    const QRect g = rectangle->geometry();
    const RectangleGeometry moved = drag_.move({g.x(), g.y(), g.width(), g.height()},
        buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton), twips.x(), twips.y());
    setRectangle(i, moved);

    const auto texts = coordinateTexts(moved);
    module_->selectionRows().setCoordinates(i, QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
        QString::fromStdString(texts[2]), QString::fromStdString(texts[3]));
    // Passing over a rectangle only copies it into the table; a drag is a
    // step when the button is let go.
    if (buttons == Qt::NoButton)
        module_->selectionHistory().takeAsBase({i});
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
