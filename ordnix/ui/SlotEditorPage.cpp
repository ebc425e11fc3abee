#include "SlotEditorPage.h"

#include "ControlHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace ordnix {

SlotEditorPage::SlotEditorPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);

    Label7 = namedLabel(QStringLiteral("Label7"), QString());
    QFont title = Label7->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    Label7->setFont(title);
    layout->addWidget(Label7);
    details_ = new QLabel;
    layout->addWidget(details_);

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

    connect(Command10, &QPushButton::clicked, this, &SlotEditorPage::previousClicked);
    connect(Command11, &QPushButton::clicked, this, &SlotEditorPage::nextClicked);
    connect(Command12, &QPushButton::clicked, this, &SlotEditorPage::okClicked);
}

void SlotEditorPage::setLists(const QStringList& weapons, const QStringList& mounts, const QStringList& locations)
{
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        Weapon[j]->addItems(weapons);
        Rack[j]->addItems(mounts);
        Location[j]->addItems(locations);
    }
}

SlotFields SlotEditorPage::fields() const
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

void SlotEditorPage::showFields(const SlotFields& fields)
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

void SlotEditorPage::showTitle(const QString& recordName, const QString& details)
{
    Label7->setText(recordName);
    details_->setText(details);
}

void SlotEditorPage::setCommandsEnabled(bool enabled)
{
    for (QPushButton* button : {Command10, Command11, Command12})
        button->setEnabled(enabled);
}

} // namespace ordnix
