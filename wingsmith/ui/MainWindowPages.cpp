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

namespace {

QLabel* label(const QString& text, QWidget* parent = nullptr, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLabel* caption(const QString& text)
{
    auto* l = label(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// Its items never change, so the size Qt works out from them when it is
// first shown holds; AdjustToContents would build the popup at once.
QComboBox* fixedList(const QString& name, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(false);
    box->addItems(items);
    return box;
}

QLineEdit* field(const QString& name, bool readOnly, int width)
{
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

// A field that shows a stored int16: at least `width`, and wide enough for
// the widest such number, which a damaged or modded file may hold.
QLineEdit* int16Field(const QString& name, bool readOnly, int width)
{
    QLineEdit* e = field(name, readOnly, width);
    const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
    const int needed = e->fontMetrics().horizontalAdvance("-32768") + 2 * frame + 10;
    e->setFixedWidth(std::max(width, needed));
    return e;
}

// A text field with its arrows, as one cell of a layout.
QWidget* withArrows(QLineEdit* edit, UpDown* arrows)
{
    auto* box = new QWidget;
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    h->addWidget(edit);
    h->addWidget(arrows);
    h->addStretch();
    return box;
}

// A coded field's list, in code order and the user's language.
QStringList codeTexts(const std::vector<FieldCode>& codes)
{
    QStringList out;
    for (const FieldCode& c : codes)
        out << QCoreApplication::translate("wingsmith::MainWindow", c.name);
    return out;
}

} // namespace

StringGrid* MainWindow::addGrid(const QString& name, int rows, int columns, int cellWidth)
{
    const int n = name.mid(QStringLiteral("StringGrid").size()).toInt();
    auto* grid = new StringGrid(name, rows, columns);
    grid->setCellWidth(cellWidth);
    StringGrid_[static_cast<std::size_t>(n)] = grid;
    connect(grid, &StringGrid::userEdited, this, [this, grid] { pending_.insert(grid); });
    return grid;
}

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

QWidget* MainWindow::buildGunTablePage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    Edit[5] = int16Field("Edit5", true, 40);
    UpDown_[2] = new UpDown("UpDown2", Edit[5], 0, 6);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(label(tr("Current Number of Gungroups ")));
    countRow->addWidget(withArrows(Edit[5], UpDown_[2]));
    countRow->addStretch();
    grid->addLayout(countRow, 0, 0, 1, 7);

    const QStringList headers{
        tr("# Guns "), tr("Position "), tr("Caliber "), tr("Ammo count "), tr("Sound "), tr("Smoke ")};
    for (int c = 0; c < headers.size(); ++c)
        grid->addWidget(caption(headers[c]), 1, c + 1);

    for (int g = 1; g <= 6; ++g) {
        const int row = g + 1;
        rowLabel_[static_cast<std::size_t>(g)] = label(QString::number(g), nullptr, QString("Label%1").arg(57 + g));
        grid->addWidget(rowLabel_[static_cast<std::size_t>(g)], row, 0, Qt::AlignRight);

        const int gunsEdit = 6 + 2 * (g - 1);
        const int ammoEdit = 7 + 2 * (g - 1);
        const int gunsUp = 3 + 2 * (g - 1);
        const int ammoUp = 4 + 2 * (g - 1);
        const int firstList = 4 + 4 * (g - 1);
        // Created left to right, so the tab key follows the row.
        Edit[gunsEdit] = int16Field(QString("Edit%1").arg(gunsEdit), true, 40);
        UpDown_[gunsUp] = new UpDown(QString("UpDown%1").arg(gunsUp), Edit[gunsEdit], 0, 4);
        ComboBox[firstList] = fixedList(QString("ComboBox%1").arg(firstList), codeTexts(gunPositionCodes()));
        ComboBox[firstList + 1] = fixedList(QString("ComboBox%1").arg(firstList + 1), codeTexts(caliberCodes()));
        Edit[ammoEdit] = int16Field(QString("Edit%1").arg(ammoEdit), true, 60);
        UpDown_[ammoUp] = new UpDown(QString("UpDown%1").arg(ammoUp), Edit[ammoEdit], 0, 9999, 5);
        ComboBox[firstList + 2] = fixedList(QString("ComboBox%1").arg(firstList + 2), codeTexts(gunSoundCodes()));
        ComboBox[firstList + 3] = fixedList(QString("ComboBox%1").arg(firstList + 3), codeTexts(smokeCodes()));

        grid->addWidget(withArrows(Edit[gunsEdit], UpDown_[gunsUp]), row, 1);
        grid->addWidget(ComboBox[firstList], row, 2);
        grid->addWidget(ComboBox[firstList + 1], row, 3);
        grid->addWidget(withArrows(Edit[ammoEdit], UpDown_[ammoUp]), row, 4);
        grid->addWidget(ComboBox[firstList + 2], row, 5);
        grid->addWidget(ComboBox[firstList + 3], row, 6);
    }
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(7, 1);
    return page;
}

QWidget* MainWindow::buildFltGunPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(6);

    // The row captions stand in a header-only column beside the six grids.
    auto* captions = new QTableWidget(12, 0);
    captions->setObjectName("FltGunCaptions");
    captions->setFocusPolicy(Qt::NoFocus); // captions only, nothing to choose
    captions->setVerticalHeaderLabels(
        {tr("X first pair in group "), tr("Y first pair in group "), tr("Z "), tr("X second pair in group "),
            tr("Y second pair in group "), tr("Muzzle Velocity "), tr("Rate of Fire "), tr("Dispersion "),
            tr("X shells first pair "), tr("X shells second pair "), tr("Gun ID "), tr("Tracer duration/Range ")});
    captions->horizontalHeader()->hide();
    captions->verticalHeader()->setDefaultSectionSize(22);
    captions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    captions->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    captions->setFocusPolicy(Qt::NoFocus);
    captions->setFrameShape(QFrame::NoFrame);
    captions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    captions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    captions->setStyleSheet("QTableWidget { background: transparent; }");
    captions->setFixedSize(captions->verticalHeader()->sizeHint().width() + 2, 22 * 12 + 2);
    grid->addWidget(captions, 1, 0, Qt::AlignTop);

    for (int g = 1; g <= 6; ++g) {
        auto* header = label(QString::number(g), nullptr, QString("Label%1").arg(75 + g));
        header->setAlignment(Qt::AlignCenter);
        groupHeader_[static_cast<std::size_t>(g)] = header;
        grid->addWidget(header, 0, g);
        grid->addWidget(addGrid(QString("StringGrid%1").arg(9 + g), 12, 1, 90), 1, g, Qt::AlignTop);
    }
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* MainWindow::buildGunPage()
{
    PageControl2 = new QTabWidget;
    PageControl2->setObjectName("PageControl2");
    TabSheet[5] = buildGunTablePage();
    TabSheet[5]->setObjectName("TabSheet5");
    TabSheet[6] = buildFltGunPage();
    TabSheet[6]->setObjectName("TabSheet6");
    PageControl2->addTab(TabSheet[5], tr("PLANES.DAT"));
    PageControl2->addTab(TabSheet[6], tr("*.FLT"));
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(PageControl2);
    return page;
}

} // namespace wingsmith
