// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ordnix/core/LoadoutImage.h"
#include "ordnix/core/MissionOptions.h"

#include <QGroupBox>

#include <array>
#include <cstddef>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ordnix {

// "Section #2 Data:" (Frame2): the option count and the six loadout options
// one mission kind gives the aircraft of the record shown, read from and
// stored into the image at the positions its option block anchors.
class MissionOptionsFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit MissionOptionsFrame(QWidget* parent = nullptr);

    // The option block of the record shown; selects "Escort".
    void setAnchor(std::size_t anchor);
    std::size_t anchor() const { return anchor_; }

    // Fills the fields from mission kind t of the block; positions beyond
    // the image show empty.
    void showMission(int t, const LoadoutImage& image);
    // The mission kind shown last, and its option button checked.
    int mission() const { return mission_; }
    void selectMission(int t);
    // Whether a mission has been shown, so its fields have positions.
    bool hasMission() const { return countPosition_ != 0; }
    // The fields as typed, with the positions they go to.
    MissionOptions edited() const;

    void setInsertEnabled(bool enabled);

signals:
    void missionClicked(int t);
    void insertClicked();

private:
    std::size_t anchor_ = 0;
    int mission_ = -1;
    std::size_t countPosition_ = 0;
    std::array<std::size_t, kOptionCount> optionPositions_{};

    std::array<QRadioButton*, kMissionCount> Option1{};
    QLineEdit* Text4 = nullptr;
    std::array<QLineEdit*, kOptionCount> Text3{};
    QPushButton* Command8 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLabel*, kOptionCount> Label6{};
};

} // namespace ordnix
