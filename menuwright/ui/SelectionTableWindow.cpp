// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionTableWindow.h"

#include "HeadingFrame.h"
#include "MenuwrightSession.h"
#include "ScreenRowsDocument.h"
#include "common/ui/WindowUndoRouting.h"
#include "StatusLine.h"
#include "WarningBox.h"

#include "common/ui/CoreText.h"
#include "common/ui/NamedWidgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

#include <sstream>

namespace menuwright {

SelectionTableWindow::SelectionTableWindow(MenuwrightSession& module) : QWidget(nullptr, Qt::Window), module_(module)
{
    setObjectName(QStringLiteral("PP1"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 10);
    outer->setSpacing(8);

    auto* pictureLine = new QHBoxLayout;
    Label1 = new QLabel(tr("Picfile Name"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(180);
    Text1->setToolTip(tr("Name of the screen picture the game shows behind the buttons, written into the menu file"));
    Label1->setBuddy(Text1);
    pictureLine->addWidget(Label1);
    pictureLine->addWidget(Text1);
    pictureLine->addStretch();
    PlaneRow = new QLabel(this);
    PlaneRow->setObjectName(QStringLiteral("PlaneRow"));
    pictureLine->addWidget(PlaneRow);
    outer->addLayout(pictureLine);

    // The rows sit in one grid; the two frames are laid behind them.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    Frame2 = new HeadingFrame(QStringLiteral("Frame2"), tr("Click the aircraft's caption to set its position"), this);
    Frame3 = new HeadingFrame(QStringLiteral("Frame3"), tr("    L      T      W      H"), this);
    grid->addWidget(Frame2, 0, 0, kRows + 2, 4);
    grid->addWidget(Frame3, 0, 5, kRows + 2, 6);
    grid->setRowMinimumHeight(0, Frame2->captionHeight());
    grid->setRowMinimumHeight(kRows + 1, 4);
    for (int c : {0, 3, 5, 10})
        grid->setColumnMinimumWidth(c, 6);

    for (int i = 0; i < kRows; ++i) {
        Label2[i] = new QLabel(this);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2[i]->setMinimumWidth(90);
        Text2[i] = common::namedCaptionBox(i, 200, this);
        const auto coordinates = common::namedCoordinateBoxes(i, this);
        std::tie(Text3[i], Text4[i], Text5[i], Text6[i]) = std::tuple_cat(coordinates);
        grid->addWidget(Label2[i], i + 1, 1);
        Text2[i]->setToolTip(tr("Caption of the button as the game shows it"));
        Text3[i]->setToolTip(tr("Left edge of the button on the 640 x 480 screen, in pixels"));
        Text4[i]->setToolTip(tr("Top edge of the button on the 640 x 480 screen, in pixels"));
        Text5[i]->setToolTip(tr("Width of the button in pixels"));
        Text6[i]->setToolTip(tr("Height of the button in pixels"));
        grid->addWidget(Text2[i], i + 1, 2);
        for (int k = 0; k < 4; ++k)
            grid->addWidget(coordinates[static_cast<std::size_t>(k)], i + 1, 6 + k);
        // Every change of a box, typed or put back by an undo, is an edit of the row.
        rowBoxes(i).sendEditsTo(module_.selectionRows(), i, this);
    }
    ScreenRowsDocument& document = module_.selectionRows();
    connect(&document, &ScreenRowsDocument::rowsChanged, this, [this](const QList<int>& rows) { showRows(rows); });
    Frame3->setToolTip(tr("Left, top, width and height of each button in pixels of the 640 x 480 screen"));
    Frame3->setColumnAnchors({Text3[0], Text4[0], Text5[0], Text6[0]});
    outer->addLayout(grid);

    auto* fixedLine = new QHBoxLayout;
    Check1 = new QCheckBox(tr("&Fixed length names"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text7 = new QLineEdit(QStringLiteral("24"), this);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setFixedWidth(Text3[0]->minimumWidth());
    Text7->setAccessibleName(tr("Length of fixed names"));
    Text7->setToolTip(tr("Length of the plane captions when \"Fixed length names\" is ticked"));
    // The picture name and the fixed length are edits of the screen too.
    document.adopt([&] { document.setFixedLength(Text7->text()); });
    connect(Text1, &QLineEdit::textChanged, &document, &ScreenRowsDocument::setPictureName);
    connect(Text7, &QLineEdit::textChanged, &document, &ScreenRowsDocument::setFixedLength);
    for (QLineEdit* box : {Text1, Text7})
        connect(box, &QLineEdit::editingFinished, &document, &ScreenRowsDocument::closeStep);
    connect(Check1, &QCheckBox::toggled, this, [this](bool checked) {
        ScreenRowsDocument& rows = module_.selectionRows();
        rows.edit(QString(Check1->text()).remove(QLatin1Char('&')), [&] { rows.setFixedNames(checked); });
    });
    connect(&document, &ScreenRowsDocument::screenChanged, this, &SelectionTableWindow::showScreen);
    fixedLine->addWidget(Check1);
    fixedLine->addWidget(Text7);
    fixedLine->addStretch();
    outer->addLayout(fixedLine);

    auto* buttons = new QHBoxLayout;
    Command1 = common::namedButton(QStringLiteral("Command1"), tr("Make  .mnu file"), this);
    Command1->setToolTip(
        tr("Write the selection menu file into the current folder and the rows into a layout text file (Ctrl+S)"));
    Command3 = common::namedButton(QStringLiteral("Command3"), tr("&Load settings"), this);
    Command3->setToolTip(tr("Read the rows from a layout text file (Ctrl+O)"));
    Command5 = common::namedButton(QStringLiteral("Command5"), tr("Show &Screen"), this);
    Command4 = common::namedButton(QStringLiteral("Command4"), tr("&Hangars"), this);
    Command2 = common::namedButton(QStringLiteral("Command2"), tr("E&xit"), this);
    for (QPushButton* b : {Command1, Command3, Command5, Command4})
        buttons->addWidget(b);
    buttons->addStretch();
    editRow_ = new QHBoxLayout;
    buttons->addLayout(editRow_);
    buttons->addWidget(Command2);
    outer->addLayout(buttons);

    status = new StatusLine(this);
    outer->addWidget(status);

    warning = new WarningBox(this);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        hide();
        module_.showHangars();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { module_.requestEnd(this); });
    common::routeUndoToWindow(this);
}

void SelectionTableWindow::addEditCommands(ScreenRowsDocument& rows)
{
    MenuwrightSession::addCommands(
        this, rows, editRow_, [this] { Command1->click(); }, [this] { Command3->click(); },
        [this] { Command2->click(); });
    // In the order the row shows them.
    QWidget* undo = editRow_->itemAt(0)->widget();
    QWidget* redo = editRow_->itemAt(1)->widget();
    setTabOrder(Command4, undo);
    setTabOrder(undo, redo);
    setTabOrder(redo, Command2);
}

void SelectionTableWindow::load()
{
    ScreenRowsDocument& document = module_.selectionRows();
    document.adopt([&] {
        for (int i = 0; i < kRows; ++i)
            document.setTexts(i, {});
    });
    for (int i = 0; i < kRows; ++i) {
        for (QLineEdit* e : {Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]})
            e->setVisible(true);
        Label2[i]->clear();
    }
}

ButtonRow SelectionTableWindow::row(int i) const
{
    return module_.selectionRows().row(i);
}

SelectionLayout SelectionTableWindow::layout(Side side) const
{
    SelectionLayout layout;
    layout.side = side;
    layout.pictureName = module_.selectionRows().pictureName().toStdString();
    for (int i = 0; i < kRows; ++i)
        layout.rows[i] = row(i);
    return layout;
}

void SelectionTableWindow::showRows(const QList<int>& rows)
{
    const ScreenRowsDocument& document = module_.selectionRows();
    for (int i : rows) {
        rowBoxes(i).show(document, i);
    }
}

void SelectionTableWindow::showScreen()
{
    const ScreenRowsDocument& document = module_.selectionRows();
    // A box that already reads so keeps its cursor.
    if (Text1->text() != document.pictureName())
        Text1->setText(document.pictureName());
    if (Text7->text() != document.fixedLength())
        Text7->setText(document.fixedLength());
    Check1->setChecked(document.fixedNames());
}

common::RowBoxes SelectionTableWindow::rowBoxes(int i) const
{
    return {Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]};
}

bool SelectionTableWindow::rowInUse(int i) const
{
    return !Text2[i]->isHidden();
}

void SelectionTableWindow::showRow(int i, bool shown)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label2[i], Text2[i], Text3[i], Text4[i], Text5[i], Text6[i]})
        w->setVisible(shown);
}

void SelectionTableWindow::showSide(Side side, const SideSetup& setup)
{
    for (int i = 0; i <= 7; ++i)
        showRow(i, true);
    module_.selectionRows().setPictureName(common::coreText(setup.pictureName));
    for (std::size_t i = 0; i < setup.aircraft.size(); ++i)
        Label2[i]->setText(common::coreText(setup.aircraft[i]));
    if (side != Side::Axis) {
        for (int i : {6, 7}) {
            showRow(i, false);
            Label2[i]->clear();
        }
    }
    Label2[8]->setText(common::coreText(setup.otherSide1));
    Label2[9]->setText(common::coreText(setup.otherSide2));
    Label2[10]->setText(QStringLiteral("Exit"));
}

void SelectionTableWindow::Command1_Click()
{
    module_.makeSelectionFiles(this, *warning, status, LayoutTextVariant::SelectionNonEmptyFields);
}

void SelectionTableWindow::Command3_Click()
{
    module_.showAxisRectangles(false);

    const auto path = module_.openLayoutText(this);
    if (!path)
        return;
    const auto text = module_.readLayoutFile(*path, *warning);
    if (!text)
        return;
    std::istringstream in(*text);
    ScreenRowsDocument& document = module_.selectionRows();
    document.edit(tr("Load settings"), [&] {
        document.loadRows(in, 0, 5);
        if (module_.selectedSide() == Side::Axis) {
            document.loadRows(in, 6, 7);
            // Shown by the load, so hidden again by its undo.
            document.setShown(6, true);
            document.setShown(7, true);
        }
        document.loadRows(in, 8, 10);
    });
    status->setText(tr("Loaded %1.").arg(QDir::toNativeSeparators(*path)));
    document.markSaved();
    module_.setSelectionFile(*path);
}

void SelectionTableWindow::Command5_Click()
{
    module_.showLocator();
    // Copied from the rectangles, not the user's edit.
    ScreenRowsDocument& document = module_.selectionRows();
    document.adopt([&] {
        for (int i = 0; i < kRows; ++i) {
            const auto g = document.shownPlace(i);
            if (!g)
                continue;
            document.setCoordinates(i, QString::number(g->left), QString::number(g->top), QString::number(g->width),
                QString::number(g->height));
        }
    });
}

void SelectionTableWindow::closeEvent(QCloseEvent* event)
{
    if (module_.requestEnd(this))
        event->accept();
    else
        event->ignore();
}

} // namespace menuwright
