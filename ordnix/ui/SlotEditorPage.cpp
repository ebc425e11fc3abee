// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotEditorPage.h"

#include "SlotChoiceBox.h"

#include "ControlHelpers.h"
#include "common/ui/CoreText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

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
    auto* label8 = namedLabel(QStringLiteral("Label8"), tr("Number of blocks: "));
    blocks->addWidget(label8);
    Text5 = namedField(QStringLiteral("Text5"), 48);
    const QString blocksTip = tr("Number of weapon slots in use in this record (byte 3 of the record); "
                                 "set to the last slot whose Number is not 0");
    label8->setToolTip(blocksTip);
    Text5->setToolTip(blocksTip);
    blocks->addWidget(Text5);
    blocks->addStretch(1);
    layout->addLayout(blocks);
    layout->addSpacing(8);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const QString weaponTip = tr("Weapon carried on this slot, from Weapons.txt");
    const QString rackTip = tr("Rack (mount) the weapon hangs on, from Mounts.txt");
    const QString locationTip = tr("Where on the aircraft the slot is, from Locations.txt");
    const QString numberTip = tr("Number of weapons carried on this slot; 0 leaves the slot unused");
    const QString ifdTip = tr("IFD value of this slot: its fifth byte, written as typed");
    const QString dbfTip = tr("DBF value of this slot: its seventh byte, written as typed");
    const std::pair<QString, QString> headings[] = {
        {tr("Weapon"), weaponTip}, {tr("Rack"), rackTip}, {tr("Location"), locationTip}};
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(headings[c].first);
        heading->setToolTip(headings[c].second);
        grid->addWidget(heading, 0, c + 1);
    }
    for (int j = 0; j < static_cast<int>(kSlotCount); ++j) {
        const int row = j + 1;
        Weapon[j] = new SlotChoiceBox;
        Weapon[j]->setObjectName(arrayName("Weapon", j));
        Rack[j] = new SlotChoiceBox;
        Rack[j]->setObjectName(arrayName("Rack", j));
        Location[j] = new SlotChoiceBox;
        Location[j]->setObjectName(arrayName("Location", j));
        WNum[j] = namedField(arrayName("WNum", j), 44);
        IFD[j] = namedField(arrayName("IFD", j), 44);
        DBF[j] = namedField(arrayName("DBF", j), 44);
        Weapon[j]->setToolTip(weaponTip);
        Rack[j]->setToolTip(rackTip);
        Location[j]->setToolTip(locationTip);
        auto* label9 = namedLabel(arrayName("Label9", j), tr("Number"));
        auto* label10 = namedLabel(arrayName("Label10", j), tr("I F D"));
        auto* label11 = namedLabel(arrayName("Label11", j), tr("D B F"));
        label9->setToolTip(numberTip);
        WNum[j]->setToolTip(numberTip);
        label10->setToolTip(ifdTip);
        IFD[j]->setToolTip(ifdTip);
        label11->setToolTip(dbfTip);
        DBF[j]->setToolTip(dbfTip);

        grid->addWidget(new QLabel(tr("Slot %1").arg(j + 1)), row, 0);
        grid->addWidget(Weapon[j], row, 1);
        grid->addWidget(Rack[j], row, 2);
        grid->addWidget(Location[j], row, 3);
        grid->addWidget(label9, row, 4, Qt::AlignRight);
        grid->addWidget(WNum[j], row, 5);
        grid->addWidget(label10, row, 6, Qt::AlignRight);
        grid->addWidget(IFD[j], row, 7);
        grid->addWidget(label11, row, 8, Qt::AlignRight);
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
    Command12 = namedButton(QStringLiteral("Command12"), tr("O&K"));
    Command10->setToolTip(tr("Previous record"));
    Command11->setToolTip(tr("Next record"));
    Command12->setToolTip(tr("Write the slots into the record"));
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
    Text5->setText(common::gameText(fields.usedSlots));
    for (std::size_t j = 0; j < kSlotCount; ++j) {
        const SlotChoice& slot = fields.choices[j];
        Weapon[j]->setCurrentIndex(slot.weapon < Weapon[j]->count() ? slot.weapon : -1);
        Rack[j]->setCurrentIndex(slot.rack < Rack[j]->count() ? slot.rack : -1);
        Location[j]->setCurrentIndex(slot.location < Location[j]->count() ? slot.location : -1);
        WNum[j]->setText(common::gameText(slot.number));
        IFD[j]->setText(common::gameText(slot.ifd));
        DBF[j]->setText(common::gameText(slot.dbf));
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
