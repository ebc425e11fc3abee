// SPDX-License-Identifier: GPL-3.0-or-later
#include "MissionOptionsFrame.h"

#include "ControlHelpers.h"
#include "common/ui/CoreText.h"

#include "ordnix/core/LoadoutLayout.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ordnix {

namespace {

const char* const kMissionNames[kMissionCount] = {QT_TRANSLATE_NOOP("ordnix::MissionOptionsFrame", "&Escort"),
    QT_TRANSLATE_NOOP("ordnix::MissionOptionsFrame", "S&weep"),
    QT_TRANSLATE_NOOP("ordnix::MissionOptionsFrame", "Bo&mbing Mission"),
    QT_TRANSLATE_NOOP("ordnix::MissionOptionsFrame", "I&ntercept"),
    QT_TRANSLATE_NOOP("ordnix::MissionOptionsFrame", "Interdi&ction")};

QString textAt(const LoadoutImage& image, std::size_t position)
{
    return image.contains(position) ? common::gameText(image.currentText(position)) : QString();
}

} // namespace

MissionOptionsFrame::MissionOptionsFrame(QWidget* parent) : QGroupBox(tr("Section #2 Data:"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    auto* frame = new QGridLayout(this);
    int row = 0;
    for (int t = 0; t < kMissionCount; ++t) {
        Option1[t] = new QRadioButton(tr(kMissionNames[t]));
        Option1[t]->setObjectName(arrayName("Option1", t));
        frame->addWidget(Option1[t], row++, 0, 1, 2);
        connect(Option1[t], &QRadioButton::clicked, this, [this, t] { emit missionClicked(t); });
    }
    frame->setRowMinimumHeight(row++, 6);
    auto* label1 = namedLabel(QStringLiteral("Label1"), tr("Number of Loadout options for this mission"));
    label1->setWordWrap(true);
    Text4 = namedField(QStringLiteral("Text4"), 56);
    const QString countTip = tr("Number of loadout options this mission offers the aircraft "
                                "(0 to 6); stored as typed");
    label1->setToolTip(countTip);
    Text4->setToolTip(countTip);
    frame->addWidget(label1, row, 0);
    frame->addWidget(Text4, row++, 1);
    for (int k = 0; k < kOptionCount; ++k) {
        Text3[k] = namedField(arrayName("Text3", k), 56);
        auto* label3 = namedLabel(arrayName("Label3", k), tr("Loadout Option #%1").arg(k + 1));
        const QString optionTip = tr("Loadout option #%1 of this mission, one byte of the aircraft's "
                                     "option block; stored as a whole number, fractions cut off")
                                      .arg(k + 1);
        label3->setToolTip(optionTip);
        Text3[k]->setToolTip(optionTip);
        frame->addWidget(label3, row, 0);
        frame->addWidget(Text3[k], row++, 1);
    }
    auto* anchorLabel = new QLabel(tr("Block starts at position"));
    Label4 = namedLabel(QStringLiteral("Label4"), QString());
    const QString anchorTip = tr("Position of the first byte of this aircraft's mission option block "
                                 "(7929 + 60 \u00d7 aircraft code)");
    anchorLabel->setToolTip(anchorTip);
    Label4->setToolTip(anchorTip);
    frame->addWidget(anchorLabel, row, 0);
    frame->addWidget(Label4, row++, 1);
    Command8 = namedButton(QStringLiteral("Command8"), tr("Insert edited &values"));
    Command8->setToolTip(tr("Write the count and options shown into the image"));
    frame->addWidget(Command8, row++, 0, 1, 2, Qt::AlignLeft);
    frame->setColumnStretch(0, 1);
    connect(Command8, &QPushButton::clicked, this, &MissionOptionsFrame::insertClicked);

    // Positions of the mission shown; kept for the editor, never displayed.
    Label5 = namedLabel(QStringLiteral("Label5"), QString(), this);
    Label5->hide();
    for (int k = 0; k < kOptionCount; ++k) {
        Label6[k] = namedLabel(arrayName("Label6", k), QString(), this);
        Label6[k]->hide();
    }
}

void MissionOptionsFrame::setAnchor(std::size_t anchor)
{
    anchor_ = anchor;
    Label4->setText(QString::number(anchor_));
    Option1[0]->setChecked(true);
}

void MissionOptionsFrame::showMission(int t, const LoadoutImage& image)
{
    if (t < 0 || t >= kMissionCount)
        return;
    mission_ = t;
    countPosition_ = OptionCountPosition(anchor_, t);
    Text4->setText(textAt(image, countPosition_));
    Label5->setText(QString::number(countPosition_));
    for (int k = 0; k < kOptionCount; ++k) {
        const std::size_t at = OptionPosition(anchor_, t, k + 1);
        optionPositions_[static_cast<std::size_t>(k)] = at;
        Text3[k]->setText(textAt(image, at));
        Label6[k]->setText(QString::number(at));
    }
}

void MissionOptionsFrame::selectMission(int t)
{
    if (t >= 0 && t < kMissionCount)
        Option1[t]->setChecked(true);
}

MissionOptions MissionOptionsFrame::edited() const
{
    MissionOptions edited;
    edited.countPosition = countPosition_;
    edited.count = toGame(Text4->text());
    edited.optionPositions = optionPositions_;
    for (std::size_t k = 0; k < edited.options.size(); ++k)
        edited.options[k] = toGame(Text3[k]->text());
    return edited;
}

void MissionOptionsFrame::setInsertEnabled(bool enabled)
{
    Command8->setEnabled(enabled);
}

} // namespace ordnix
