#include "EditorWindow.h"

#include "ordnix/core/ChangeScript.h"
#include "ordnix/core/LoadoutError.h"
#include "ordnix/core/LoadoutFile.h"
#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/LoadoutRecord.h"
#include "ordnix/core/MissionOptions.h"
#include "ordnix/core/RecordBlocks.h"
#include "ordnix/core/RecordList.h"
#include "ordnix/core/ValueText.h"

#include "common/core/IoError.h"
#include "common/ui/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace ordnix {

namespace {

constexpr int kChoosePlaneTab = 0;
constexpr int kLoadoutDataTab = 1;

const char* const kMissionNames[kMissionCount] = {"Escort", "Sweep", "Bombing Mission", "Intercept", "Interdiction"};

// Names of controls in an array, as "Weapon_2".
QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

int twips(int value)
{
    return value / 15;
}

constexpr int kMinimumRecordListWidth = 210;

// Digits in the highest position of a file of `size` bytes.
int digitsOf(std::size_t size)
{
    int digits = 1;
    for (; size >= 10; size /= 10)
        ++digits;
    return digits;
}

// The game's lists and files are single-byte text.
QString fromGame(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toGame(const QString& text)
{
    return text.toLatin1().toStdString();
}

QStringList toStringList(const NameList& list)
{
    QStringList out;
    for (const std::string& name : list.names())
        out << fromGame(name);
    return out;
}

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QLineEdit* namedField(const QString& name, int width)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

} // namespace

EditorWindow::EditorWindow(std::filesystem::path startDir, std::optional<QString> fileToOpen, QWidget* parent)
    : QWidget(parent)
    , startDir_(std::move(startDir))
    , fileToOpen_(std::move(fileToOpen))
    , programTitle_(QStringLiteral("Ordnix"))
    , model_(new ByteTableModel(this))
{
    buildWindow();
    setWindowTitle(programTitle_);

    RG->hide();
    Frame2->hide();
    Label5->hide();
    for (QLabel* label : Label6)
        label->hide();
    setImageCommandsEnabled(false);

    lists_ = LoadLists(startDir_);
    const QStringList weapons = toStringList(lists_.weapons);
    const QStringList mounts = toStringList(lists_.mounts);
    const QStringList locations = toStringList(lists_.locations);
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        Weapon[j]->addItems(weapons);
        Rack[j]->addItems(mounts);
        Location[j]->addItems(locations);
    }
    if (!lists_.problems.empty()) {
        QStringList texts;
        for (const std::string& problem : lists_.problems)
            texts << fromGame(problem);
        warn(texts.join(QStringLiteral("\n")));
    }

    refreshFileList();
    SSTab1->setCurrentIndex(kChoosePlaneTab);

    if (fileToOpen_)
        LoadLoadout(*fileToOpen_);

    // Centred only once the layout has widened the window to its contents.
    layout()->activate();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// ---------------------------------------------------------------- layout

void EditorWindow::buildWindow()
{
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildChoosePlaneTab(), QStringLiteral("Choose Plane"));
    SSTab1->addTab(buildLoadoutDataTab(), QStringLiteral("Loadout  Data"));
    SSTab1->addTab(buildTextReaderTab(), QStringLiteral("Text Reader"));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(SSTab1, 1);
    layout->addWidget(buildCommandColumn());
    resize(940, 560);
}

QWidget* EditorWindow::buildChoosePlaneTab()
{
    auto* page = new QWidget;

    RG = new QTableWidget(static_cast<int>(kRecordCount), 2);
    RG->setObjectName(QStringLiteral("RG"));
    RG->horizontalHeader()->hide();
    RG->verticalHeader()->hide();
    RG->setColumnHidden(0, true);
    RG->setColumnWidth(1, twips(1800));
    RG->horizontalHeader()->setStretchLastSection(true);
    RG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RG->setSelectionMode(QAbstractItemView::SingleSelection);
    RG->setSelectionBehavior(QAbstractItemView::SelectRows);
    RG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    RG->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    RG->setFixedWidth(kMinimumRecordListWidth);
    RG->viewport()->installEventFilter(this);
    for (int row = 0; row < RG->rowCount(); ++row) {
        RG->setItem(row, 0, new QTableWidgetItem);
        RG->setItem(row, 1, new QTableWidgetItem);
    }
    connect(RG, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row >= 0 && row != previousRow)
            ShowRecord();
    });
    connect(RG, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row == shownRecord_)
            ShowRecord(); // back to the slot editor of the record already shown
    });

    BG = new QTableView;
    BG->setObjectName(QStringLiteral("BG"));
    BG->setModel(model_);
    BG->verticalHeader()->hide();
    BG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BG->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    BG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    BG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BG->setSelectionMode(QAbstractItemView::SingleSelection);
    BG->setWordWrap(false);
    fitByteTable();

    ldf = namedLabel(QStringLiteral("ldf"), QString());
    QFont strong = ldf->font();
    strong.setBold(true);
    ldf->setFont(strong);

    Frame2 = new QGroupBox(QStringLiteral("Section #2 Data:"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* frame = new QGridLayout(Frame2);
    int row = 0;
    for (int t = 0; t < kMissionCount; ++t) {
        Option1[t] = new QRadioButton(QString::fromLatin1(kMissionNames[t]));
        Option1[t]->setObjectName(arrayName("Option1", t));
        frame->addWidget(Option1[t], row++, 0, 1, 2);
        connect(Option1[t], &QRadioButton::clicked, this, [this, t] { ShowMission(t); });
    }
    frame->setRowMinimumHeight(row++, 6);
    auto* label1 = namedLabel(QStringLiteral("Label1"), QStringLiteral("Number of Loadout options for this mission"));
    label1->setWordWrap(true);
    Text4 = namedField(QStringLiteral("Text4"), 56);
    frame->addWidget(label1, row, 0);
    frame->addWidget(Text4, row++, 1);
    for (int k = 0; k < kOptionCount; ++k) {
        Text3[k] = namedField(arrayName("Text3", k), 56);
        frame->addWidget(namedLabel(arrayName("Label3", k), QStringLiteral("Loadout Option #%1").arg(k + 1)), row, 0);
        frame->addWidget(Text3[k], row++, 1);
    }
    frame->addWidget(new QLabel(QStringLiteral("Block starts at position")), row, 0);
    Label4 = namedLabel(QStringLiteral("Label4"), QString());
    frame->addWidget(Label4, row++, 1);
    Command8 = namedButton(QStringLiteral("Command8"), QStringLiteral("Insert edited values"));
    frame->addWidget(Command8, row++, 0, 1, 2, Qt::AlignLeft);
    frame->setColumnStretch(0, 1);
    connect(Command8, &QPushButton::clicked, this, &EditorWindow::Command8_Click);

    // Positions of the mission shown; kept for the editor, never displayed.
    Label5 = namedLabel(QStringLiteral("Label5"), QString(), page);
    for (int k = 0; k < kOptionCount; ++k)
        Label6[k] = namedLabel(arrayName("Label6", k), QString(), page);

    emptyHint_ = new QLabel(QStringLiteral(
        "No loadout file is loaded.\n\nPress \"Load Loadout\" or double-click a file in the list of loadout files."));
    emptyHint_->setWordWrap(true);
    emptyHint_->setEnabled(false);

    auto* right = new QVBoxLayout;
    right->addWidget(emptyHint_);
    right->addWidget(ldf);
    right->addWidget(Frame2);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(RG);
    layout->addWidget(BG);
    layout->addLayout(right, 1);
    return page;
}

QWidget* EditorWindow::buildLoadoutDataTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    Label7 = namedLabel(QStringLiteral("Label7"), QString());
    QFont title = Label7->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    Label7->setFont(title);
    layout->addWidget(Label7);
    recordInfo_ = new QLabel;
    layout->addWidget(recordInfo_);

    auto* blocks = new QHBoxLayout;
    blocks->addWidget(namedLabel(QStringLiteral("Label8"), QStringLiteral("Number of blocks: ")));
    Text5 = namedField(QStringLiteral("Text5"), 48);
    blocks->addWidget(Text5);
    blocks->addStretch(1);
    layout->addLayout(blocks);
    layout->addSpacing(8);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel(QStringLiteral("Weapon")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rack")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Location")), 0, 3);
    for (int j = 0; j < static_cast<int>(kSlotCount); ++j) {
        const int row = j + 1;
        Weapon[j] = new QComboBox;
        Weapon[j]->setObjectName(arrayName("Weapon", j));
        Rack[j] = new QComboBox;
        Rack[j]->setObjectName(arrayName("Rack", j));
        Location[j] = new QComboBox;
        Location[j]->setObjectName(arrayName("Location", j));
        for (QComboBox* box : {Weapon[j], Rack[j], Location[j]}) {
            box->setMinimumContentsLength(14);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        }
        WNum[j] = namedField(arrayName("WNum", j), 44);
        IFD[j] = namedField(arrayName("IFD", j), 44);
        DBF[j] = namedField(arrayName("DBF", j), 44);

        grid->addWidget(new QLabel(QStringLiteral("Slot %1").arg(j + 1)), row, 0);
        grid->addWidget(Weapon[j], row, 1);
        grid->addWidget(Rack[j], row, 2);
        grid->addWidget(Location[j], row, 3);
        grid->addWidget(namedLabel(arrayName("Label9", j), QStringLiteral("Number")), row, 4, Qt::AlignRight);
        grid->addWidget(WNum[j], row, 5);
        grid->addWidget(namedLabel(arrayName("Label10", j), QStringLiteral("I F D")), row, 6, Qt::AlignRight);
        grid->addWidget(IFD[j], row, 7);
        grid->addWidget(namedLabel(arrayName("Label11", j), QStringLiteral("D B F")), row, 8, Qt::AlignRight);
        grid->addWidget(DBF[j], row, 9);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);
    layout->addLayout(grid);
    layout->addSpacing(8);

    auto* buttons = new QHBoxLayout;
    Command10 = namedButton(QStringLiteral("Command10"), QStringLiteral("-"));
    Command11 = namedButton(QStringLiteral("Command11"), QStringLiteral("+"));
    Command12 = namedButton(QStringLiteral("Command12"), QStringLiteral("OK"));
    Command10->setToolTip(QStringLiteral("Previous record"));
    Command11->setToolTip(QStringLiteral("Next record"));
    Command12->setToolTip(QStringLiteral("Write the slots into the record"));
    buttons->addWidget(Command10);
    buttons->addWidget(Command11);
    buttons->addStretch(1);
    buttons->addWidget(Command12);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(Command10, &QPushButton::clicked, this, &EditorWindow::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &EditorWindow::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &EditorWindow::Command12_Click);
    return page;
}

QWidget* EditorWindow::buildTextReaderTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    Text1_0 = new QPlainTextEdit;
    Text1_0->setObjectName(QStringLiteral("Text1_0"));
    Text1_0->setReadOnly(true);
    Text1_0->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Text1_0, 1);
    auto* buttons = new QHBoxLayout;
    auto* load = namedButton(QStringLiteral("T1"), QStringLiteral("Load Text"));
    buttons->addWidget(load);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(load, &QPushButton::clicked, this, &EditorWindow::T1_Click);
    return page;
}

QWidget* EditorWindow::buildCommandColumn()
{
    auto* column = new QWidget;
    column->setFixedWidth(170);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* exit = namedButton(QStringLiteral("Command3"), QStringLiteral("Exit"));
    Command5 = namedButton(QStringLiteral("Command5"), QStringLiteral("Insert a block"));
    Command6 = namedButton(QStringLiteral("Command6"), QStringLiteral("Delete a block"));
    Check1 = new QCheckBox(QStringLiteral("Replace Loadout.dat"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Command2 = namedButton(QStringLiteral("Command2"), QStringLiteral("Save Loadout"));
    auto* load = namedButton(QStringLiteral("Command4"), QStringLiteral("Load Loadout"));
    Command9 = namedButton(QStringLiteral("Command9"), QStringLiteral("Save Block"));
    Command5->setToolTip(QStringLiteral("Copy the record shown into the next place"));
    Command6->setToolTip(QStringLiteral("Remove the record shown"));
    Command9->setToolTip(QStringLiteral("Write the changes since loading as a loadout script"));

    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    File1->setToolTip(QStringLiteral("Double-click a file to load it"));

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
    layout->addWidget(new QLabel(QStringLiteral("Loadout files:")));
    layout->addWidget(File1, 1);

    connect(exit, &QPushButton::clicked, this, &EditorWindow::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &EditorWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &EditorWindow::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &EditorWindow::Command2_Click);
    connect(load, &QPushButton::clicked, this, &EditorWindow::Command4_Click);
    connect(Command9, &QPushButton::clicked, this, &EditorWindow::Command9_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &EditorWindow::File1_DblClick);
    return column;
}

// ---------------------------------------------------------------- helpers

void EditorWindow::warn(const QString& text)
{
    common::dialogs().message(this, programTitle_, text, common::MessageIcon::Warning);
}

QString EditorWindow::currentText(std::size_t position) const
{
    return image_.contains(position) ? fromGame(image_.currentText(position)) : QString();
}

// The current value texts from `first` to `last`, those outside the image
// left out; compared before and after an edit to see whether it changed any.
std::vector<std::string> EditorWindow::currentTexts(std::size_t first, std::size_t last) const
{
    std::vector<std::string> texts;
    for (std::size_t p = first; p <= last; ++p)
        if (image_.contains(p))
            texts.push_back(image_.currentText(p));
    return texts;
}

void EditorWindow::setImageCommandsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Command5, Command6, Command2, Command9, Command10, Command11,
             Command12, Command8})
        w->setEnabled(enabled);
}

void EditorWindow::refreshFileList(const QString& select)
{
    File1->clear();
    for (const std::string& name : ListLoadoutFiles(startDir_)) {
        // The name as stored on disk goes with the item: one that is not
        // valid text in the locale is shown altered, but loads as it is.
        const QByteArray stored = QByteArray::fromStdString(name);
        auto* item = new QListWidgetItem(QFile::decodeName(stored), File1);
        item->setData(Qt::UserRole, stored);
        if (!select.isEmpty() && item->text() == select)
            File1->setCurrentItem(item);
    }
}

// The widths of the original grid, widened where today's fonts need it and
// where the positions of a large file have more digits.
void EditorWindow::fitByteTable()
{
    const QFontMetrics metrics = BG->fontMetrics();
    const int pad = 12;
    const QString widestPosition(std::max(7, digitsOf(image_.size())), QLatin1Char('0'));
    const int positionWidth = std::max(twips(480), metrics.horizontalAdvance(widestPosition) + pad);
    const int valueWidth = std::max(twips(420), metrics.horizontalAdvance(QStringLiteral("OldD")) + pad + 4);
    BG->setColumnWidth(ByteTableModel::PositionColumn, positionWidth);
    BG->setColumnWidth(ByteTableModel::LoadedColumn, valueWidth);
    BG->setColumnWidth(ByteTableModel::CurrentColumn, valueWidth);
    BG->setFixedWidth(positionWidth + 2 * valueWidth + BG->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 2 * BG->frameWidth() + 2);
}

// Wide enough for the longest record name, so its run number shows.
void EditorWindow::fitRecordList()
{
    const int names = static_cast<const QAbstractItemView*>(RG)->sizeHintForColumn(1);
    const int chrome = RG->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * RG->frameWidth() + 2;
    RG->setFixedWidth(std::max(kMinimumRecordListWidth, names + chrome));
}

void EditorWindow::showRecordNames()
{
    const RecordList list = NameRecords(image_, lists_.planes);
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const int row = static_cast<int>(i);
        RG->item(row, 0)->setText(QString::number(list[i].start));
        RG->item(row, 1)->setText(fromGame(list[i].name));
        RG->setRowHidden(row, list[i].hidden);
    }
    fitRecordList();
}

void EditorWindow::selectRecord(int row)
{
    {
        const QSignalBlocker blocker(RG);
        RG->setCurrentCell(row, 1);
    }
    ShowRecord();
}

SlotFields EditorWindow::slotFieldsFromEditor() const
{
    SlotFields fields;
    fields.usedSlots = toGame(Text5->text());
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        SlotChoice& slot = fields.choices[j];
        slot.weapon = Weapon[j]->currentIndex();
        slot.rack = Rack[j]->currentIndex();
        slot.location = Location[j]->currentIndex();
        slot.number = toGame(WNum[j]->text());
        slot.ifd = toGame(IFD[j]->text());
        slot.dbf = toGame(DBF[j]->text());
    }
    return fields;
}

void EditorWindow::showSlotFields(const SlotFields& fields)
{
    Text5->setText(fromGame(fields.usedSlots));
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const SlotChoice& slot = fields.choices[j];
        Weapon[j]->setCurrentIndex(slot.weapon < Weapon[j]->count() ? slot.weapon : -1);
        Rack[j]->setCurrentIndex(slot.rack < Rack[j]->count() ? slot.rack : -1);
        Location[j]->setCurrentIndex(slot.location < Location[j]->count() ? slot.location : -1);
        WNum[j]->setText(fromGame(slot.number));
        IFD[j]->setText(fromGame(slot.ifd));
        DBF[j]->setText(fromGame(slot.dbf));
    }
}

// ---------------------------------------------------------------- loading

void EditorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        if (!fileToOpen_)
            QTimer::singleShot(0, this, &EditorWindow::offerStartupDialog);
    }
}

std::optional<QString> EditorWindow::askForLoadout()
{
    common::FileDialogRequest request;
    request.title = QStringLiteral("Load Loadout");
    request.filter = QStringLiteral("Loadout Files (loadout.* Loadout.* LOADOUT.*)");
    request.directory = QString::fromStdString(startDir_.string());
    auto chosen = common::dialogs().openFile(this, request);
    if (chosen && chosen->isEmpty())
        chosen.reset();
    if (chosen)
        lastChosenName_ = *chosen;
    return chosen;
}

void EditorWindow::offerStartupDialog()
{
    if (const auto chosen = askForLoadout())
        LoadLoadout(*chosen);
}

bool EditorWindow::LoadLoadout(const QString& name)
{
    return LoadLoadout(std::filesystem::path(QFile::encodeName(name).toStdString()));
}

bool EditorWindow::LoadLoadout(const std::filesystem::path& file)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(file.string()));
    ldf->hide();
    LoadoutImage loaded;
    try {
        loaded = LoadFile(startDir_, file.string(), [this](std::size_t count) {
            setWindowTitle(QStringLiteral("%1 - %2 bytes read").arg(programTitle_).arg(count));
        });
    } catch (const LoadoutError& e) {
        setWindowTitle(programTitle_);
        ldf->setVisible(!image_.empty());
        warn(fromGame(e.what()));
        return false;
    } catch (const common::IoError& e) {
        setWindowTitle(programTitle_);
        ldf->setVisible(!image_.empty());
        warn(QStringLiteral("%1 could not be loaded: %2").arg(name, QString::fromLocal8Bit(e.what())));
        return false;
    }
    setWindowTitle(programTitle_);

    model_->setImage(nullptr);
    image_ = std::move(loaded);
    model_->setImage(&image_);
    unsaved_ = false;
    fitByteTable();

    ldf->setText(QFile::decodeName(QByteArray::fromStdString(image_.shownName())));
    ldf->show();
    showRecordNames();
    RG->show();
    Frame2->show();
    emptyHint_->hide();
    setImageCommandsEnabled(true);
    shownRecord_ = -1;
    p0_ = 0;
    BG->scrollTo(model_->indexOf(kFirstRecordPosition, ByteTableModel::PositionColumn),
        QAbstractItemView::PositionAtTop);
    selectRecord(0);
    return true;
}

// ---------------------------------------------------------------- showing

void EditorWindow::ShowRecord()
{
    const int row = RG->currentRow();
    if (row < 0 || image_.empty())
        return;
    const std::size_t p0 = RG->item(row, 0)->text().toULongLong();
    if (p0 == 0)
        return;
    p0_ = p0;
    shownRecord_ = row;

    const QModelIndex cell = model_->indexOf(p0, ByteTableModel::CurrentColumn);
    BG->scrollTo(cell, QAbstractItemView::PositionAtTop);
    BG->setCurrentIndex(cell);

    const double code = std::floor(LeadingNumber(image_.currentText(p0)));
    anchor_ = OptionAnchor(code > 0 ? static_cast<std::size_t>(code) : 0);
    Label4->setText(QString::number(anchor_));
    Option1[0]->setChecked(true);
    ShowMission(0);

    const LoadoutRecord record = ReadRecord(image_, static_cast<std::size_t>(row));
    SlotFields fields = SlotFieldsFromRecord(record, lists_.weapons.count(), lists_.mounts.count(),
        lists_.locations.count());
    ordnix::NormaliseSlots(fields);
    showSlotFields(fields);

    Label7->setText(RG->item(row, 1)->text());
    recordInfo_->setText(QStringLiteral("Record %1 of %2, positions %3 to %4, aircraft code %5")
                             .arg(row + 1)
                             .arg(kRecordCount)
                             .arg(p0)
                             .arg(p0 + kRecordSize - 1)
                             .arg(fromGame(record.planeCode)));
    SSTab1->setCurrentIndex(kLoadoutDataTab);
}

void EditorWindow::ShowMission(int t)
{
    if (t < 0 || t >= kMissionCount)
        return;
    countPosition_ = OptionCountPosition(anchor_, t);
    Text4->setText(currentText(countPosition_));
    Label5->setText(QString::number(countPosition_));
    for (int k = 0; k < kOptionCount; ++k) {
        const std::size_t at = OptionPosition(anchor_, t, k + 1);
        optionPositions_[static_cast<std::size_t>(k)] = at;
        Text3[k]->setText(currentText(at));
        Label6[k]->setText(QString::number(at));
    }
}

void EditorWindow::NormaliseSlots()
{
    SlotFields fields = slotFieldsFromEditor();
    ordnix::NormaliseSlots(fields);
    showSlotFields(fields);
}

// ---------------------------------------------------------------- commands

// "Save Loadout"
void EditorWindow::Command2_Click()
{
    saveLoadout();
}

bool EditorWindow::saveLoadout()
{
    if (image_.empty())
        return false;
    NormaliseSlots();
    try {
        const std::filesystem::path saved = SaveImage(image_, startDir_, Check1->isChecked());
        unsaved_ = false;
        refreshFileList(QFile::decodeName(QByteArray::fromStdString(saved.filename().string())));
        return true;
    } catch (const LoadoutError& e) {
        warn(fromGame(e.what()));
    } catch (const common::IoError& e) {
        warn(QStringLiteral("The loadout could not be saved.\n%1").arg(QString::fromLocal8Bit(e.describe())));
    }
    return false;
}

// Asks before edits that were never saved are lost; true when the caller
// may go on (saved, discarded, or nothing to lose).
bool EditorWindow::mayDropUnsavedChanges(const QString& action)
{
    if (!unsaved_)
        return true;
    QString target;
    try {
        target = QFile::decodeName(
            QByteArray::fromStdString(SaveFileName(startDir_, Check1->isChecked(), image_.fileName()).filename().string()));
    } catch (const LoadoutError&) {
        target = QStringLiteral("a numbered copy");
    }
    const QString text = QStringLiteral("The changes to %1 have not been saved.\n\n"
                                        "Save them to %2 before %3?")
                             .arg(QFile::decodeName(QByteArray::fromStdString(image_.shownName())), target, action);
    switch (common::dialogs().cancellableQuestion(this, programTitle_, text,
        common::CancellableQuestion::SaveDiscardCancel)) {
    case common::Answer::Save: return saveLoadout();
    case common::Answer::Discard: return true;
    default: return false;
    }
}

// "Exit": closes the window the same way as its close box.
void EditorWindow::Command3_Click()
{
    close();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (mayDropUnsavedChanges(QStringLiteral("closing")))
        event->accept();
    else
        event->ignore();
}

// "Load Loadout"
void EditorWindow::Command4_Click()
{
    if (const auto chosen = askForLoadout()) {
        if (!mayDropUnsavedChanges(QStringLiteral("loading another file")))
            return;
        SSTab1->setCurrentIndex(kChoosePlaneTab);
        LoadLoadout(*chosen);
    }
}

// "Insert a block"
void EditorWindow::Command5_Click()
{
    if (image_.empty())
        return;
    const int s = shownRecord_ < 0 ? 0 : shownRecord_;
    try {
        InsertRecordCopy(image_, static_cast<std::size_t>(s));
    } catch (const LoadoutError& e) {
        warn(fromGame(e.what()));
        return;
    }
    unsaved_ = true;
    setWindowTitle(programTitle_);
    model_->refreshAll();
    showRecordNames();
    selectRecord(s + 1);
    ldf->show();
    Frame2->show();
}

// "Delete a block"
void EditorWindow::Command6_Click()
{
    if (image_.empty())
        return;
    const int s = shownRecord_ < 0 ? 0 : shownRecord_;
    DeleteRecord(image_, static_cast<std::size_t>(s));
    unsaved_ = true;
    setWindowTitle(programTitle_);
    model_->refreshAll();
    showRecordNames();
    // After deleting the first record its successor takes row 0.
    selectRecord(s > 0 ? s - 1 : 0);
    ldf->show();
    Frame2->show();
}

// "Insert edited values"
void EditorWindow::Command8_Click()
{
    if (image_.empty() || countPosition_ == 0)
        return;
    MissionOptions edited;
    edited.countPosition = countPosition_;
    edited.count = toGame(Text4->text());
    edited.optionPositions = optionPositions_;
    for (std::size_t k = 0; k < edited.options.size(); ++k)
        edited.options[k] = toGame(Text3[k]->text());
    const std::vector<std::string> before = currentTexts(countPosition_, optionPositions_.back());
    try {
        StoreMission(image_, edited);
        unsaved_ = unsaved_ || before != currentTexts(countPosition_, optionPositions_.back());
    } catch (const std::out_of_range&) {
        warn(QStringLiteral("The mission options of this aircraft lie beyond the end of %1.")
                 .arg(QString::fromStdString(image_.shownName())));
        return;
    }
    model_->refresh(countPosition_, optionPositions_.back());
}

// "Save Block": the changes since loading as a loadout script.
void EditorWindow::Command9_Click()
{
    if (image_.empty())
        return;
    common::FileDialogRequest request;
    request.title = QStringLiteral("Save Block");
    request.filter = QStringLiteral("Loadout Scripts (*.lox)");
    request.directory = QString::fromStdString(startDir_.string());
    const auto chosen = common::dialogs().saveFile(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    lastChosenName_ = *chosen;
    NormaliseSlots();
    try {
        WriteScript(image_, chosen->toStdString());
    } catch (const common::IoError& e) {
        warn(QStringLiteral("%1 could not be written: %2").arg(*chosen, QString::fromLocal8Bit(e.what())));
    }
}

// "-"
void EditorWindow::Command10_Click()
{
    const int row = RG->currentRow();
    if (row >= 1)
        selectRecord(row - 1);
}

// "+"
void EditorWindow::Command11_Click()
{
    const int row = RG->currentRow();
    if (row >= 0 && row < static_cast<int>(kRecordCount) - 1)
        selectRecord(row + 1);
}

// "OK": the slot editor into the record shown.
void EditorWindow::Command12_Click()
{
    if (image_.empty() || shownRecord_ < 0)
        return;
    const auto i = static_cast<std::size_t>(shownRecord_);
    const std::vector<std::string> before = currentTexts(RecordStart(i), RecordStart(i) + kRecordSize - 1);
    LoadoutRecord record = ReadRecord(image_, i);
    ApplySlotFields(record, slotFieldsFromEditor());
    WriteRecord(image_, i, record);
    unsaved_ = unsaved_ || before != currentTexts(RecordStart(i), RecordStart(i) + kRecordSize - 1);
    model_->refresh(RecordStart(i), RecordStart(i) + kRecordSize - 1);
}

// "Load Text"
void EditorWindow::T1_Click()
{
    Text1_0->clear();
    common::FileDialogRequest request;
    request.title = QStringLiteral("Load Text");
    request.filter = QStringLiteral("Text files (*.txt)");
    request.directory = QString::fromStdString(startDir_.string());
    request.presetName = lastChosenName_;
    const auto chosen = common::dialogs().openFile(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    lastChosenName_ = *chosen;
    try {
        Text1_0->setPlainText(fromGame(ReadText(chosen->toStdString())));
    } catch (const common::IoError& e) {
        warn(QStringLiteral("%1 could not be read: %2").arg(*chosen, QString::fromStdString(e.what())));
    }
}

// Right mouse button on the record list: the byte table to the option
// block of the record shown.
void EditorWindow::RG_RightMouseDown()
{
    if (image_.empty() || shownRecord_ < 0)
        return;
    BG->scrollTo(model_->indexOf(anchor_, ByteTableModel::PositionColumn), QAbstractItemView::PositionAtTop);
}

void EditorWindow::File1_DblClick()
{
    if (QListWidgetItem* item = File1->currentItem()) {
        if (!mayDropUnsavedChanges(QStringLiteral("loading another file")))
            return;
        SSTab1->setCurrentIndex(kChoosePlaneTab);
        LoadLoadout(startDir_ / item->data(Qt::UserRole).toByteArray().toStdString());
    }
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RG->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        RG_RightMouseDown();
        return true; // the row under the pointer is not chosen by a right click
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ordnix
