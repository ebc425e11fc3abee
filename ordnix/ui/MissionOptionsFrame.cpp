#include "MissionOptionsFrame.h"

#include "ControlHelpers.h"

#include "ordnix/core/LoadoutLayout.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ordnix {

namespace {

const char* const kMissionNames[kMissionCount] = {"Escort", "Sweep", "Bombing Mission", "Intercept", "Interdiction"};

QString textAt(const LoadoutImage& image, std::size_t position)
{
    return image.contains(position) ? fromGame(image.currentText(position)) : QString();
}

} // namespace

MissionOptionsFrame::MissionOptionsFrame(QWidget* parent) : QGroupBox(QStringLiteral("Section #2 Data:"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    auto* frame = new QGridLayout(this);
    int row = 0;
    for (int t = 0; t < kMissionCount; ++t) {
        Option1[t] = new QRadioButton(QString::fromLatin1(kMissionNames[t]));
        Option1[t]->setObjectName(arrayName("Option1", t));
        frame->addWidget(Option1[t], row++, 0, 1, 2);
        connect(Option1[t], &QRadioButton::clicked, this, [this, t] { emit missionClicked(t); });
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
